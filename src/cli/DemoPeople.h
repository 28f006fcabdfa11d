#pragma once

#include <QDate>

class TDemoContext;
class TDemoRandom;

enum class TDemoPersonKind { Adult, Female, Juvenile };

// Adds a made-up person to the context (the master name index) and returns
// its index. A juvenile is 14 to 17 years old on `on`, an adult 18 to 70;
// a female or juvenile person is born of that kind, an adult is mostly male.
int AddDemoPerson(TDemoContext& context, TDemoRandom& random, TDemoPersonKind kind,
                  const QDate& on);
