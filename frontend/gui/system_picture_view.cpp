#include "system_picture_view.h"

#include <wx/graphics.h>

#include <memory>

namespace {

// The colours of the report's charts and keys, softened for a drawing.
const wxColour kLine(60, 60, 60);
const wxColour kWater(120, 170, 235);
const wxColour kCollector(40, 60, 200);
const wxColour kFlame(230, 70, 40);
const wxColour kHeatPump(150, 150, 150);
const wxColour kBlanket(250, 220, 60);
const wxColour kHotPipe(220, 40, 40);
const wxColour kColdPipe(40, 90, 220);

void Line(wxGraphicsContext& gc, double x1, double y1, double x2, double y2) {
    gc.StrokeLine(x1, y1, x2, y2);
}

// Pool: a basin seen from the side, its water up to a line; x, y its top left.
void DrawPool(wxGraphicsContext& gc, bool blanket) {
    gc.SetPen(wxPen(kLine, 2));
    gc.SetBrush(wxBrush(kWater));
    gc.DrawRectangle(10, 82, 120, 38);
    if (blanket) {
        gc.SetPen(wxPen(kLine, 1));
        gc.SetBrush(wxBrush(kBlanket));
        gc.DrawRectangle(14, 79, 112, 6);
    }
}

// The loop's pipes from the pool's far end to `x` (the heater or collectors) and back.
void DrawPipes(wxGraphicsContext& gc, double outX, double backX, double topY) {
    gc.SetPen(wxPen(kColdPipe, 2));
    Line(gc, 130, 112, outX, 112);
    Line(gc, outX, 112, outX, topY);
    gc.SetPen(wxPen(kHotPipe, 2));
    Line(gc, backX, topY, backX, 90);
    Line(gc, backX, 90, 130, 90);
}

void DrawCollectors(wxGraphicsContext& gc) {
    gc.SetPen(wxPen(kLine, 2));
    gc.SetBrush(wxBrush(kCollector));
    wxGraphicsPath panel = gc.CreatePath();
    panel.MoveToPoint(170, 38);
    panel.AddLineToPoint(222, 8);
    panel.AddLineToPoint(232, 22);
    panel.AddLineToPoint(180, 52);
    panel.CloseSubpath();
    gc.DrawPath(panel);
    gc.SetPen(wxPen(*wxWHITE, 1));
    for (int i = 1; i < 4; ++i) {
        const double t = i / 4.0;
        Line(gc, 170 + 52 * t, 38 - 30 * t, 180 + 52 * t, 52 - 30 * t);
    }
}

void DrawHeater(wxGraphicsContext& gc, HeaterKind heater) {
    gc.SetPen(wxPen(kLine, 2));
    if (heater == HeaterKind::Fuel) {
        gc.SetBrush(*wxWHITE_BRUSH);
        gc.DrawRectangle(143, 58, 30, 26);
        gc.SetPen(wxPen(kFlame, 1));
        gc.SetBrush(wxBrush(kFlame));
        wxGraphicsPath flame = gc.CreatePath();
        flame.MoveToPoint(158, 62);
        flame.AddCurveToPoint(168, 72, 164, 80, 158, 80);
        flame.AddCurveToPoint(152, 80, 148, 72, 158, 62);
        gc.DrawPath(flame);
    } else {
        gc.SetBrush(wxBrush(kHeatPump));
        gc.DrawRectangle(140, 56, 36, 30);
        gc.SetBrush(*wxWHITE_BRUSH);
        gc.DrawEllipse(147, 60, 22, 22);
        gc.SetPen(wxPen(kLine, 1));
        Line(gc, 158, 62, 158, 80);
        Line(gc, 149, 71, 167, 71);
    }
}

}  // namespace

wxBitmap DrawSystemPicture(int number, const wxColour& background) {
    const SystemPictureParts parts = PartsOfSystemPicture(number);
    wxBitmap bitmap(kSystemPictureWidth, kSystemPictureHeight);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(background));
    dc.Clear();
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    if (!gc) return bitmap;
    const bool heater = parts.heater.has_value();
    // The loop runs up to the collectors, through the heater on its way back, or to the heater.
    if (parts.collectors) {
        DrawPipes(*gc, 200, 176, 30);
        gc->SetPen(wxPen(kHotPipe, 2));
        Line(*gc, 176, 30, 200, 30);
        DrawCollectors(*gc);
    } else if (heater) {
        DrawPipes(*gc, 166, 150, 70);
    }
    if (heater) DrawHeater(*gc, *parts.heater);
    DrawPool(*gc, parts.blanket);
    gc.reset();
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}
