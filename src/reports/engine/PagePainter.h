#pragma once

#include "reports/engine/ReportDocument.h"

class QPainter;
class QPaintDevice;

// Draws one page of a generated document on any QPainter (screen, PDF,
// printer, image). `scale` is device pixels per micrometre in the painter's
// current coordinate system; the caller may translate or scale the painter
// further (zoom, printer offsets) and fonts follow the same transform.
// The painter's state is restored on return.
void PaintPage(QPainter& painter, const TReportPage& page, qreal scale);

// Draws a single command, for devices that filter or add commands
// (redaction). Same scale rule as PaintPage.
void PaintCommand(QPainter& painter, const TDrawCommand& command, qreal scale);

// Pixels per micrometre of a device at its logical resolution.
qreal DeviceScale(const QPaintDevice& device);
