// Placeholder bodies of the image device; replaced by the drawing implementation.
#include "graphics/device.h"

namespace gfx {

DrawOnImg::~DrawOnImg() = default;
void DrawOnImg::clearTarget() {}
std::uint32_t DrawOnImg::getLineColour() { return 0; }
void DrawOnImg::setLineColour(std::uint32_t /*colour*/) {}
std::uint32_t DrawOnImg::getTextColour() { return 0; }
void DrawOnImg::setTextColour(std::uint32_t /*colour*/) {}
std::uint32_t DrawOnImg::getBackColour() { return 0; }
void DrawOnImg::setBackColour(std::uint32_t /*colour*/) {}
int DrawOnImg::getBackMode() { return 0; }
void DrawOnImg::setBackMode(int /*mode*/) {}
void DrawOnImg::setOrigin(int /*x*/, int /*y*/) {}
void DrawOnImg::setClipRegion(const Region* /*region*/) {}
void DrawOnImg::clearClipArea() {}
void DrawOnImg::getLineStyle(LINESTYLE& /*style*/) {}
void DrawOnImg::setLineStyle(std::uint32_t /*style*/, int /*thickness*/, const std::uint32_t* /*userStyle*/, std::uint32_t /*userStyleCount*/) {}
void DrawOnImg::setLineStyle(const LINESTYLE& /*style*/) {}
void DrawOnImg::getFillStyle(FILLSTYLE& /*style*/) {}
void DrawOnImg::setFillStyle(int /*style*/, int /*hatch*/, const IMAGE* /*patternImage*/) {}
void DrawOnImg::setFillStyle(const std::uint8_t* /*pattern8x8*/) {}
void DrawOnImg::setFillStyle(const FILLSTYLE& /*style*/) {}
std::uint32_t DrawOnImg::getFillColour() { return 0; }
void DrawOnImg::setFillColour(std::uint32_t /*colour*/) {}
void DrawOnImg::getScale(float& /*xScale*/, float& /*yScale*/) {}
void DrawOnImg::setScale(float /*xScale*/, float /*yScale*/) {}
int DrawOnImg::getMixMode() { return 0; }
void DrawOnImg::setMixMode(int /*mode*/) {}
int DrawOnImg::getPolyFillMode() { return 0; }
void DrawOnImg::setPolyFillMode(int /*mode*/) {}
void DrawOnImg::resetState() {}
std::uint32_t DrawOnImg::getPixel(int /*x*/, int /*y*/) { return 0; }
void DrawOnImg::setPixel(int /*x*/, int /*y*/, std::uint32_t /*colour*/) {}
void DrawOnImg::drawLine(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) {}
void DrawOnImg::drawRectangleOutline(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnImg::drawRectangle(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnImg::fillRectangle(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnImg::eraseRectangle(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnImg::arcEndPoints(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, double /*startAngle*/, double /*endAngle*/, int& /*sx*/, int& /*sy*/, int& /*ex*/, int& /*ey*/) {}
void DrawOnImg::drawCircleOutline(int /*x*/, int /*y*/, int /*radius*/) {}
void DrawOnImg::drawCircle(int /*x*/, int /*y*/, int /*radius*/) {}
void DrawOnImg::fillCircle(int /*x*/, int /*y*/, int /*radius*/) {}
void DrawOnImg::eraseCircle(int /*x*/, int /*y*/, int /*radius*/) {}
void DrawOnImg::drawEllipseOutline(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnImg::drawEllipse(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnImg::fillEllipse(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnImg::eraseEllipse(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnImg::drawRoundRectOutline(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, int /*cornerWidth*/, int /*cornerHeight*/) {}
void DrawOnImg::drawRoundRect(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, int /*cornerWidth*/, int /*cornerHeight*/) {}
void DrawOnImg::fillRoundRect(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, int /*cornerWidth*/, int /*cornerHeight*/) {}
void DrawOnImg::eraseRoundRect(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, int /*cornerWidth*/, int /*cornerHeight*/) {}
void DrawOnImg::drawArc(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, double /*startAngle*/, double /*endAngle*/) {}
void DrawOnImg::drawPieOutline(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, double /*startAngle*/, double /*endAngle*/) {}
void DrawOnImg::drawPie(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, double /*startAngle*/, double /*endAngle*/) {}
void DrawOnImg::fillPie(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, double /*startAngle*/, double /*endAngle*/) {}
void DrawOnImg::erasePie(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, double /*startAngle*/, double /*endAngle*/) {}
void DrawOnImg::drawPolyline(const Point* /*points*/, int /*count*/) {}
void DrawOnImg::drawPolygonOutline(const Point* /*points*/, int /*count*/) {}
void DrawOnImg::drawPolygon(const Point* /*points*/, int /*count*/) {}
void DrawOnImg::fillPolygon(const Point* /*points*/, int /*count*/) {}
void DrawOnImg::erasePolygon(const Point* /*points*/, int /*count*/) {}
void DrawOnImg::drawBezier(const Point* /*points*/, int /*count*/) {}
void DrawOnImg::floodFill(int /*x*/, int /*y*/, std::uint32_t /*colour*/, int /*mode*/) {}
void DrawOnImg::drawText(int /*x*/, int /*y*/, const char* /*text*/) {}
int DrawOnImg::drawTextInRect(const char* /*text*/, Rect& /*rect*/, std::uint32_t /*format*/) { return 0; }
int DrawOnImg::measureTextWidth(const char* /*text*/) { return 0; }
int DrawOnImg::measureTextHeight(const char* /*text*/) { return 0; }
void DrawOnImg::setFont(const LOGFONTA& /*font*/) {}
void DrawOnImg::setFont(int /*height*/, int /*width*/, const char* /*face*/, int /*escapement*/, int /*orientation*/, int /*weight*/, bool /*italic*/, bool /*underline*/, bool /*strikeOut*/, std::uint8_t /*charSet*/, std::uint8_t /*outPrecision*/, std::uint8_t /*clipPrecision*/, std::uint8_t /*quality*/, std::uint8_t /*pitchAndFamily*/) {}
void DrawOnImg::setFont(int /*height*/, int /*width*/, const char* /*face*/, int /*escapement*/, int /*orientation*/, int /*weight*/, bool /*italic*/, bool /*underline*/, bool /*strikeOut*/) {}
void DrawOnImg::setFont(int /*height*/, int /*width*/, const char* /*face*/) {}
void DrawOnImg::getFont(LOGFONTA& /*font*/) {}
int DrawOnImg::targetWidth() { return 0; }
int DrawOnImg::targetHeight() { return 0; }

}  // namespace gfx
