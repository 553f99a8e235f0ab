// asset_gen: draws every picture and synthesises every sound of the game, writes them
// under <out>/resources/..., then reads them back and checks them; or draws the game's
// icon, a 256 x 256 PNG and an SVG of the same drawing.
//
//   asset_gen <out-dir> [--contact-sheet <file.png> [--zoom Z] [--only TEXT]]
//   asset_gen --check <dir>
//   asset_gen --icon <dir>        writes <dir>/dream-arena.png and <dir>/dream-arena.svg
//
// Exit status 0 when every file is written and passes the checks, 1 otherwise (each
// problem on its own line on standard error), 2 on a bad command line.
#include <cairo-svg.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "tools/asset_gen/art.h"
#include "tools/asset_gen/audio_io.h"
#include "tools/asset_gen/catalogue.h"
#include "tools/asset_gen/contact_sheet.h"
#include "tools/asset_gen/png_io.h"
#include "tools/asset_gen/sounds.h"
#include "tools/asset_gen/verify.h"

namespace fs = std::filesystem;
using namespace assetgen;

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: asset_gen <out-dir> [--contact-sheet <file.png> [--zoom Z] [--only TEXT]]\n"
               "       asset_gen --check <dir>\n"
               "       asset_gen --icon <dir>\n");
  return 2;
}

int report(const std::vector<std::string>& problems, const std::string& root) {
  for (const std::string& p : problems) std::fprintf(stderr, "asset_gen: %s\n", p.c_str());
  if (!problems.empty()) {
    std::fprintf(stderr, "asset_gen: %zu problem(s) in %s\n", problems.size(), root.c_str());
    return 1;
  }
  return 0;
}

// Draws every registered family and makes sure each catalogue picture was drawn exactly once.
bool drawAll(Pictures& pictures, std::vector<std::string>& problems) {
  for (DrawFamily draw : artFamilies()) draw(pictures);
  std::map<std::string, int> drawn;
  for (const Picture& p : pictures) {
    ++drawn[p.name];
    if (cairo_status(p.canvas.cr()) != CAIRO_STATUS_SUCCESS)
      problems.push_back(p.name + ": drawing failed: " + cairo_status_to_string(cairo_status(p.canvas.cr())));
  }
  for (const PictureFile& f : pictureFiles())
    if (drawn[f.name] != 1) problems.push_back(f.name + ": drawn " + std::to_string(drawn[f.name]) + " times");
  return problems.empty();
}

int generate(const std::string& root) {
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::string> problems;
  std::error_code ec;
  for (const char* dir : {kImageDir, kCharacterDir, kMusicDir}) {
    fs::create_directories(fs::path(root) / dir, ec);
    if (ec) problems.push_back(root + "/" + dir + ": " + ec.message());
  }
  if (!problems.empty()) return report(problems, root);

  Pictures pictures;
  if (!drawAll(pictures, problems)) return report(problems, root);
  for (const Picture& p : pictures) {
    std::string error;
    if (!writePng(root + "/" + p.dir + "/" + p.name, p.canvas.surface(), error)) problems.push_back(error);
  }
  for (const SoundFile& s : soundFiles()) {
    std::string error;
    if (!writeSound(root + "/" + kMusicDir + "/" + s.name, synthesiseSound(s.name), error))
      problems.push_back(error);
  }
  if (!problems.empty()) return report(problems, root);

  const int status = report(verifyOutput(root), root);
  if (status == 0) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("asset_gen: %zu pictures and %zu sounds written to %s/resources and checked (%lld ms)\n",
                pictures.size(), soundFiles().size(), root.c_str(), static_cast<long long>(ms.count()));
  }
  return status;
}

constexpr int kIconSize = 256;

// The icon as a PNG, read back and checked, and as an SVG.
int writeIcons(const std::string& dir) {
  std::vector<std::string> problems;
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) return report({dir + ": " + ec.message()}, dir);
  const std::string png = dir + "/dream-arena.png", svg = dir + "/dream-arena.svg";
  Canvas canvas(kIconSize, kIconSize);
  drawIcon(canvas.cr(), kIconSize);
  std::string error;
  PngInfo info;
  if (!writePng(png, canvas.surface(), error) || !readPng(png, info, error))
    problems.push_back(error);
  else if (info.width != kIconSize || info.height != kIconSize || info.opaquePixels == 0)
    problems.push_back(png + ": " + std::to_string(info.width) + " x " + std::to_string(info.height) +
                       ", expected a drawn " + std::to_string(kIconSize) + " x " + std::to_string(kIconSize));
  cairo_surface_t* surface = cairo_svg_surface_create(svg.c_str(), kIconSize, kIconSize);
  cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);  // icon themes size in pixels
  cairo_t* cr = cairo_create(surface);
  drawIcon(cr, kIconSize);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    problems.push_back(svg + ": " + cairo_status_to_string(cairo_surface_status(surface)));
  cairo_surface_destroy(surface);
  const int status = report(problems, dir);
  if (status == 0) std::printf("asset_gen: icon written to %s and %s\n", png.c_str(), svg.c_str());
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--icon") return writeIcons(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "--check") {
    const int status = report(verifyOutput(argv[2]), argv[2]);
    if (status == 0) std::printf("asset_gen: %s/resources is complete\n", argv[2]);
    return status;
  }
  if (argc < 2 || argv[1][0] == '-') return usage();
  const std::string root = argv[1];
  std::string sheet, only;
  double zoom = 1.0;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return usage();
    if (arg == "--contact-sheet")
      sheet = argv[++i];
    else if (arg == "--zoom")
      zoom = std::atof(argv[++i]);
    else if (arg == "--only")
      only = argv[++i];
    else
      return usage();
  }
  if (zoom <= 0 || zoom > 8) return usage();
  const int status = generate(root);
  if (status != 0 || sheet.empty()) return status;
  std::string error;
  if (!writeContactSheet(root, sheet, zoom, only, error)) {
    std::fprintf(stderr, "asset_gen: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
