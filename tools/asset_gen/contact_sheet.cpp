// Contact sheet layout: shelves of pictures, each labelled, wrapped at a fixed width.
#include "tools/asset_gen/contact_sheet.h"

#include <algorithm>
#include <vector>

#include "tools/asset_gen/canvas.h"
#include "tools/asset_gen/catalogue.h"
#include "tools/asset_gen/png_io.h"

namespace assetgen {

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kPad = 10;
constexpr int kLabel = 16;

struct Cell {
  std::string label;
  cairo_surface_t* image;
  int x, y, w, h;  // placement of the scaled picture
};

void checkerboard(cairo_t* cr, int x, int y, int w, int h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  for (int cy = y; cy < y + h; cy += 8)
    for (int cx = x; cx < x + w; cx += 8) {
      const bool dark = ((cx - x) / 8 + (cy - y) / 8) % 2;
      cairo_set_source_rgb(cr, dark ? 0.86 : 0.95, dark ? 0.86 : 0.95, dark ? 0.88 : 0.97);
      cairo_rectangle(cr, cx, cy, 8, 8);
      cairo_fill(cr);
    }
  cairo_restore(cr);
}

}  // namespace

bool writeContactSheet(const std::string& root, const std::string& sheetPath, double zoom,
                       const std::string& only, std::string& error) {
  std::vector<Cell> cells;
  int x = kPad, y = kPad, rowHeight = 0;
  for (const ImageSlot& slot : imageSlots()) {
    if (!only.empty() && slot.file.find(only) == std::string::npos) continue;
    const PictureFile* f = findPicture(slot.file);
    cairo_surface_t* image = loadPngSurface(root + "/" + f->dir + "/" + f->name);
    if (!image) {
      error = root + "/" + f->dir + "/" + f->name + ": cannot read";
      for (Cell& c : cells) cairo_surface_destroy(c.image);
      return false;
    }
    // the background is shown small: it is only a white page
    const double z = slot.file == "white.png" ? 0.1 : zoom;
    const int w = static_cast<int>(cairo_image_surface_get_width(image) * z);
    const int h = static_cast<int>(cairo_image_surface_get_height(image) * z);
    const int cellW = std::max(w, 96);
    if (x + cellW > kSheetWidth - kPad && x > kPad) {
      x = kPad;
      y += rowHeight + kLabel + kPad;
      rowHeight = 0;
    }
    cells.push_back({slot.file, image, x, y, w, h});
    x += cellW + kPad;
    rowHeight = std::max(rowHeight, h);
  }
  const int height = y + rowHeight + kLabel + kPad;

  Canvas sheet(kSheetWidth, height);
  cairo_t* cr = sheet.cr();
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  for (Cell& c : cells) {
    checkerboard(cr, c.x, c.y, c.w, c.h);
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_scale(cr, double(c.w) / cairo_image_surface_get_width(c.image),
                double(c.h) / cairo_image_surface_get_height(c.image));
    cairo_set_source_surface(cr, c.image, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, 0.2, 0.15, 0.25);
    cairo_move_to(cr, c.x, c.y + c.h + 12);
    cairo_show_text(cr, c.label.c_str());
    cairo_surface_destroy(c.image);
  }
  cairo_surface_flush(sheet.surface());
  if (cairo_surface_write_to_png(sheet.surface(), sheetPath.c_str()) != CAIRO_STATUS_SUCCESS) {
    error = sheetPath + ": cannot write";
    return false;
  }
  return true;
}

}  // namespace assetgen
