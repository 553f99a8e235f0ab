// The drawing device interface: DrawOnImg draws on the current target IMAGE; DrawOnWnd,
// derived from it, draws on the window's working image, runs each locked operation under
// the graphics lock, and adds the window-only operations (open, close, deferred showing).
// Every operation acts on graphicsState.currentTarget as it is at the moment of the call.
// Shapes take boxes that include their right column and bottom row; colours are 0x00BBGGRR.
#pragma once
#include <cstdint>

#include "graphics/geometry.h"
#include "graphics/styles.h"

namespace gfx {

class Region;

// drawTextInRect format flags.
enum TextFormat : std::uint32_t {
  kTextTop = 0x0,
  kTextLeft = 0x0,
  kTextCentre = 0x1,
  kTextRight = 0x2,
  kTextVCentre = 0x4,
  kTextBottom = 0x8,
  kTextWordBreak = 0x10,
  kTextSingleLine = 0x20,
  kTextNoClip = 0x100,
  kTextCalcRect = 0x400,
};

class DrawOnImg {
 public:
  virtual ~DrawOnImg();
  virtual void clearTarget();
  virtual std::uint32_t getLineColour();
  virtual void setLineColour(std::uint32_t colour);
  virtual std::uint32_t getTextColour();
  virtual void setTextColour(std::uint32_t colour);
  virtual std::uint32_t getBackColour();
  virtual void setBackColour(std::uint32_t colour);
  virtual int getBackMode();
  virtual void setBackMode(int mode);
  virtual void setOrigin(int x, int y);
  virtual void setClipRegion(const Region* region);
  virtual void clearClipArea();
  virtual void getLineStyle(LINESTYLE& style);
  virtual void setLineStyle(std::uint32_t style, int thickness, const std::uint32_t* userStyle,
                            std::uint32_t userStyleCount);
  virtual void setLineStyle(const LINESTYLE& style);
  virtual void getFillStyle(FILLSTYLE& style);
  virtual void setFillStyle(int style, int hatch, const IMAGE* patternImage);
  virtual void setFillStyle(const std::uint8_t* pattern8x8);
  virtual void setFillStyle(const FILLSTYLE& style);
  virtual std::uint32_t getFillColour();
  virtual void setFillColour(std::uint32_t colour);
  virtual void getScale(float& xScale, float& yScale);
  virtual void setScale(float xScale, float yScale);
  virtual int getMixMode();
  virtual void setMixMode(int mode);
  virtual int getPolyFillMode();
  virtual void setPolyFillMode(int mode);
  virtual void resetState();
  virtual std::uint32_t getPixel(int x, int y);
  virtual void setPixel(int x, int y, std::uint32_t colour);
  virtual void drawLine(int x1, int y1, int x2, int y2);
  virtual void drawRectangleOutline(int left, int top, int right, int bottom);
  virtual void drawRectangle(int left, int top, int right, int bottom);
  virtual void fillRectangle(int left, int top, int right, int bottom);
  virtual void eraseRectangle(int left, int top, int right, int bottom);
  virtual void arcEndPoints(int left, int top, int right, int bottom, double startAngle, double endAngle,
                            int& sx, int& sy, int& ex, int& ey);
  virtual void drawCircleOutline(int x, int y, int radius);
  virtual void drawCircle(int x, int y, int radius);
  virtual void fillCircle(int x, int y, int radius);
  virtual void eraseCircle(int x, int y, int radius);
  virtual void drawEllipseOutline(int left, int top, int right, int bottom);
  virtual void drawEllipse(int left, int top, int right, int bottom);
  virtual void fillEllipse(int left, int top, int right, int bottom);
  virtual void eraseEllipse(int left, int top, int right, int bottom);
  virtual void drawRoundRectOutline(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  virtual void drawRoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  virtual void fillRoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  virtual void eraseRoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  virtual void drawArc(int left, int top, int right, int bottom, double startAngle, double endAngle);
  virtual void drawPieOutline(int left, int top, int right, int bottom, double startAngle, double endAngle);
  virtual void drawPie(int left, int top, int right, int bottom, double startAngle, double endAngle);
  virtual void fillPie(int left, int top, int right, int bottom, double startAngle, double endAngle);
  virtual void erasePie(int left, int top, int right, int bottom, double startAngle, double endAngle);
  virtual void drawPolyline(const Point* points, int count);
  virtual void drawPolygonOutline(const Point* points, int count);
  virtual void drawPolygon(const Point* points, int count);
  virtual void fillPolygon(const Point* points, int count);
  virtual void erasePolygon(const Point* points, int count);
  virtual void drawBezier(const Point* points, int count);
  virtual void floodFill(int x, int y, std::uint32_t colour, int mode);
  virtual void drawText(int x, int y, const char* text);
  virtual int drawTextInRect(const char* text, Rect& rect, std::uint32_t format);
  virtual int measureTextWidth(const char* text);
  virtual int measureTextHeight(const char* text);
  virtual void setFont(const LOGFONTA& font);
  virtual void setFont(int height, int width, const char* face, int escapement, int orientation, int weight,
                       bool italic, bool underline, bool strikeOut, std::uint8_t charSet,
                       std::uint8_t outPrecision, std::uint8_t clipPrecision, std::uint8_t quality,
                       std::uint8_t pitchAndFamily);
  virtual void setFont(int height, int width, const char* face, int escapement, int orientation, int weight,
                       bool italic, bool underline, bool strikeOut);
  virtual void setFont(int height, int width, const char* face);
  virtual void getFont(LOGFONTA& font);
  virtual int targetWidth();
  virtual int targetHeight();
};

class DrawOnWnd : public DrawOnImg {
 public:
  ~DrawOnWnd() override;
  void clearTarget() override;
  void setTextColour(std::uint32_t colour) override;
  void setBackColour(std::uint32_t colour) override;
  int getBackMode() override;
  void setBackMode(int mode) override;
  void setOrigin(int x, int y) override;
  void setClipRegion(const Region* region) override;
  void clearClipArea() override;
  void setLineStyle(const LINESTYLE& style) override;
  using DrawOnImg::setLineStyle;
  void setFillStyle(const FILLSTYLE& style) override;
  using DrawOnImg::setFillStyle;
  void setFillColour(std::uint32_t colour) override;
  void setScale(float xScale, float yScale) override;
  int getMixMode() override;
  void setMixMode(int mode) override;
  int getPolyFillMode() override;
  void setPolyFillMode(int mode) override;
  std::uint32_t getPixel(int x, int y) override;
  void setPixel(int x, int y, std::uint32_t colour) override;
  void drawLine(int x1, int y1, int x2, int y2) override;
  void drawRectangle(int left, int top, int right, int bottom) override;
  void drawCircle(int x, int y, int radius) override;
  void drawEllipse(int left, int top, int right, int bottom) override;
  void drawRoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
  void drawArc(int left, int top, int right, int bottom, double startAngle, double endAngle) override;
  void drawPie(int left, int top, int right, int bottom, double startAngle, double endAngle) override;
  void drawPolyline(const Point* points, int count) override;
  void drawPolygon(const Point* points, int count) override;
  void drawBezier(const Point* points, int count) override;
  void floodFill(int x, int y, std::uint32_t colour, int mode) override;
  void drawText(int x, int y, const char* text) override;
  int drawTextInRect(const char* text, Rect& rect, std::uint32_t format) override;
  int measureTextWidth(const char* text) override;
  int measureTextHeight(const char* text) override;
  void setFont(const LOGFONTA& font) override;
  using DrawOnImg::setFont;
  void getFont(LOGFONTA& font) override;

  // Window-only operations.
  void* initWindow(int width, int height, std::uint32_t flags);
  void closeWindow();
  void beginDeferredShow();
  void showFrame(int left, int top, int right, int bottom);
  void showFrame();
  void endDeferredShow(int left, int top, int right, int bottom);
  void endDeferredShow();
};

}  // namespace gfx
