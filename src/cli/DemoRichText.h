#pragma once

#include <QString>

// Rich text as the suite's editors store it: RTF with one font table entry.
// `emphasis`, when given, is appended in bold.
QString DemoRtf(const QString& text, const QString& emphasis = {});
