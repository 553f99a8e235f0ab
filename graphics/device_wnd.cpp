// Placeholder bodies of the window device; replaced by the drawing implementation.
#include "graphics/device.h"

namespace gfx {

DrawOnWnd::~DrawOnWnd() = default;
void DrawOnWnd::clearTarget() {}
void DrawOnWnd::setTextColour(std::uint32_t /*colour*/) {}
void DrawOnWnd::setBackColour(std::uint32_t /*colour*/) {}
int DrawOnWnd::getBackMode() { return 0; }
void DrawOnWnd::setBackMode(int /*mode*/) {}
void DrawOnWnd::setOrigin(int /*x*/, int /*y*/) {}
void DrawOnWnd::setClipRegion(const Region* /*region*/) {}
void DrawOnWnd::clearClipArea() {}
void DrawOnWnd::setLineStyle(const LINESTYLE& /*style*/) {}
void DrawOnWnd::setFillStyle(const FILLSTYLE& /*style*/) {}
void DrawOnWnd::setFillColour(std::uint32_t /*colour*/) {}
void DrawOnWnd::setScale(float /*xScale*/, float /*yScale*/) {}
int DrawOnWnd::getMixMode() { return 0; }
void DrawOnWnd::setMixMode(int /*mode*/) {}
int DrawOnWnd::getPolyFillMode() { return 0; }
void DrawOnWnd::setPolyFillMode(int /*mode*/) {}
std::uint32_t DrawOnWnd::getPixel(int /*x*/, int /*y*/) { return 0; }
void DrawOnWnd::setPixel(int /*x*/, int /*y*/, std::uint32_t /*colour*/) {}
void DrawOnWnd::drawLine(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) {}
void DrawOnWnd::drawRectangle(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnWnd::drawCircle(int /*x*/, int /*y*/, int /*radius*/) {}
void DrawOnWnd::drawEllipse(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnWnd::drawRoundRect(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, int /*cornerWidth*/, int /*cornerHeight*/) {}
void DrawOnWnd::drawArc(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, double /*startAngle*/, double /*endAngle*/) {}
void DrawOnWnd::drawPie(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, double /*startAngle*/, double /*endAngle*/) {}
void DrawOnWnd::drawPolyline(const Point* /*points*/, int /*count*/) {}
void DrawOnWnd::drawPolygon(const Point* /*points*/, int /*count*/) {}
void DrawOnWnd::drawBezier(const Point* /*points*/, int /*count*/) {}
void DrawOnWnd::floodFill(int /*x*/, int /*y*/, std::uint32_t /*colour*/, int /*mode*/) {}
void DrawOnWnd::drawText(int /*x*/, int /*y*/, const char* /*text*/) {}
int DrawOnWnd::drawTextInRect(const char* /*text*/, Rect& /*rect*/, std::uint32_t /*format*/) { return 0; }
int DrawOnWnd::measureTextWidth(const char* /*text*/) { return 0; }
int DrawOnWnd::measureTextHeight(const char* /*text*/) { return 0; }
void DrawOnWnd::setFont(const LOGFONTA& /*font*/) {}
void DrawOnWnd::getFont(LOGFONTA& /*font*/) {}

}  // namespace gfx
