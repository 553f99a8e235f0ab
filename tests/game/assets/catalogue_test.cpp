// The asset catalogue: every image at its file's size (generated files), a missing picture
// leaving only its image empty, and a missing or undecodable last sound ending start-up
// with "sound load fail\n" after the other eight were read. Loading runs in a child
// process (a hidden helper test of this program) so the shared catalogue stays untouched.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "game/assets/catalogue.h"
#include "game/assets/catalogue_files.h"
#include "sound_files.h"

namespace {

namespace fs = std::filesystem;

struct Entry {
  IMAGE* image;
  std::string path;  // relative to the working directory, "/" separated
};

// The catalogue's images in load order with their files.
std::vector<Entry> catalogueEntries() {
  std::vector<Entry> list;
  const std::string chr = "resources/images/pillowkin/", img = "resources/images/";
  auto numbered = [&](IMAGE* images, int count, const std::string& dir, const std::string& stem) {
    for (int k = 0; k < count; ++k) list.push_back({&images[k], dir + stem + std::to_string(k + 1) + ".png"});
  };
  auto named = [&](IMAGE* images, const std::string& dir, std::vector<std::string> files) {
    for (std::size_t k = 0; k < files.size(); ++k) list.push_back({&images[k], dir + files[k]});
  };
  AssetCatalogue& a = assets;
  numbered(a.norImages, 8, chr, "nor");
  named(&a.dieImage, chr, {"die0.png"});
  numbered(a.attImages, 3, chr, "att");
  numbered(a.runImages, 20, chr, "run");
  numbered(a.shootImages, 3, chr, "shoot");
  named(&a.defendImage, chr, {"defend.png"});
  named(a.sharkMoveImages, chr, {"sharkMove1.png", "sharkMove2.png", "sharkMove3.png", "sharkMove4.png",
                                 "sharkMove5.png", "sharkMove7.png", "sharkMove8.png", "sharkMove9.png"});
  named(&a.plrBulletImage, chr, {"plrBullet.png"});
  named(a.enmBulletImages, chr, {"enmbullet.png", "enmbullet30.png", "enmbullet60.png", "enmbullet90.png",
                                 "enmbullet120.png", "enmbullet150.png", "enmbullet-30.png", "enmbullet-60.png",
                                 "enmbullet-90.png", "enmbullet-120.png", "enmbullet-150.png",
                                 "enmbullet-180.png"});
  named(&a.sharkAtkImage, chr, {"sharkAtk.png"});
  named(&a.sharkHittedImage, chr, {"sharkHitted.png"});
  named(&a.planeImage, chr, {"plane.png"});
  named(&a.blackCloudImage, chr, {"black cloud0.png"});
  named(&a.bcHittedImage, chr, {"bcHitted.png"});
  numbered(a.bcAtkImages, 5, chr, "bcatk");
  named(&a.boomImage, chr, {"boom.png"});
  named(a.kingAtkImages, chr, {"kingatk.png", "kingatk1.png", "kingatk2.png", "kingatk3.png", "kingatk4.png",
                               "kingatk5.png", "kingatk6.png", "kingatk6.png", "kingatk6.png", "kingatk6.png"});
  numbered(a.kingImages, 10, chr, "king");
  numbered(a.blastImages, 27, chr, "blast");
  numbered(a.sleepImages, 4, img, "sleep");
  named(&a.backgroundImage, img, {"white.png"});
  numbered(a.meatImages, 4, chr, "meat");
  numbered(a.eatImages, 6, chr, "eat");
  return list;
}

const std::vector<std::string> kSounds = {"blast.mp3",     "boom.ogg",      "shoot.ogg",
                                          "plane.ogg",     "playeratk.ogg", "sharkroll.ogg",
                                          "watershoot.mp3", "waterhit.mp3", "kingatk.mp3"};

// Width and height from a PNG file's header; 0 x 0 when it is missing or no PNG.
std::pair<int, int> pngSize(const std::string& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return {0, 0};
  std::pair<int, int> size{int(png.width), int(png.height)};
  png_image_free(&png);
  return size;
}

// Writes a small PNG of width x height, every pixel opaque in the given colour.
void writeSolidPng(const std::string& path, int width, int height, std::uint32_t bgra) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = std::uint32_t(width);
  png.height = std::uint32_t(height);
  png.format = PNG_FORMAT_BGRA;
  std::vector<std::uint32_t> words(std::size_t(width) * height, bgra);
  ASSERT_TRUE(png_image_write_to_file(&png, path.c_str(), 0, words.data(), 0, nullptr)) << path;
}

// A working directory with every catalogue file (small pictures of distinct sizes, short
// sounds), leaving out the named file.
void writeTree(const fs::path& dir, const std::string& leaveOut) {
  fs::create_directories(dir / "resources/images/pillowkin");
  fs::create_directories(dir / "resources/music");
  int index = 0;
  for (const Entry& entry : catalogueEntries()) {
    ++index;
    if (entry.path == leaveOut || fs::exists(dir / entry.path)) continue;
    writeSolidPng((dir / entry.path).string(), 3 + index % 11, 2 + index % 7, 0xFF000000u | std::uint32_t(index) * 0x10305u);
  }
  for (const std::string& sound : kSounds) {
    const std::string path = "resources/music/" + sound;
    if (path == leaveOut) continue;
    if (sound.size() > 4 && sound.substr(sound.size() - 4) == ".mp3") {
      test_sound::writeSilentMp3((dir / path).string(), 8);
    } else {
      ASSERT_TRUE(test_sound::writeOgg((dir / path).string(), test_sound::tone(4410, 44100, 1), 44100, 1));
    }
  }
}

fs::path freshDir(const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / ("catalogue_test_" + std::to_string(::getpid())) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

int exitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

class CatalogueFiles : public ::testing::Test {
 protected:
  void TearDown() override { fs::remove_all(fs::temp_directory_path() / ("catalogue_test_" + std::to_string(::getpid()))); }
};

TEST_F(CatalogueFiles, GeneratedFilesLoadAtTheirOwnSizes) {
  const char* stage = std::getenv("DA_STAGE_DIR");
  if (stage == nullptr || !fs::exists(fs::path(stage) / "resources/images/pillowkin/nor1.png"))
    GTEST_SKIP() << "generated resources are absent: build the stage target (DA_STAGE_DIR="
                 << (stage ? stage : "unset") << ")";
  const fs::path log = freshDir("generated") / "child.log";
  const int status = test_sound::runHelperTest("DISABLED_CatalogueChild.LoadAllAndCheck",
                                               {"DA_CHILD_DIR=" + std::string(stage)}, log.string());
  EXPECT_EQ(exitCodeOf(status), 0) << "child output:\n" << test_sound::fileText(log.string());
}

TEST_F(CatalogueFiles, MissingPictureLeavesOnlyThatImageEmpty) {
  const fs::path dir = freshDir("missing_image");
  writeTree(dir, "resources/images/pillowkin/sharkMove4.png");
  const fs::path log = dir / "child.log";
  const int status = test_sound::runHelperTest(
      "DISABLED_CatalogueChild.LoadAllAndCheck",
      {"DA_CHILD_DIR=" + dir.string(), "DA_CHILD_MISSING=resources/images/pillowkin/sharkMove4.png"}, log.string());
  EXPECT_EQ(exitCodeOf(status), 0) << "child output:\n" << test_sound::fileText(log.string());
}

// Runs loadSounds in a child in a tree whose last sound is bad, and checks the message,
// the exit status and that the eight other files were opened and read.
void expectLastSoundFailure(const fs::path& dir) {
  const int watch = inotify_init1(IN_NONBLOCK);
  ASSERT_GE(watch, 0);
  ASSERT_GE(inotify_add_watch(watch, (dir / "resources/music").c_str(), IN_ACCESS), 0);
  const fs::path out = dir / "stdout.txt", log = dir / "child.log";
  const int status = test_sound::runHelperTest("DISABLED_CatalogueChild.LoadSounds",
                                               {"DA_CHILD_DIR=" + dir.string(), "DA_CHILD_STDOUT=" + out.string()},
                                               log.string());
  EXPECT_EQ(exitCodeOf(status), 1) << "child output:\n" << test_sound::fileText(log.string());
  EXPECT_EQ(test_sound::fileText(out.string()), "sound load fail\n");
  std::set<std::string> read;
  alignas(inotify_event) char buffer[1 << 16];
  for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;)
    for (char* p = buffer; p < buffer + n; p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len)
      if (reinterpret_cast<inotify_event*>(p)->len > 0) read.insert(reinterpret_cast<inotify_event*>(p)->name);
  ::close(watch);
  for (std::size_t k = 0; k + 1 < kSounds.size(); ++k)
    EXPECT_TRUE(read.count(kSounds[k])) << kSounds[k] << " was loaded before the last sound failed";
}

TEST_F(CatalogueFiles, MissingLastSoundEndsStartUpAfterTheOthers) {
  const fs::path dir = freshDir("missing_sound");
  writeTree(dir, "resources/music/kingatk.mp3");
  expectLastSoundFailure(dir);
}

TEST_F(CatalogueFiles, UndecodableLastSoundEndsStartUpToo) {
  const fs::path dir = freshDir("bad_sound");
  writeTree(dir, "resources/music/kingatk.mp3");
  std::ofstream(dir / "resources/music/kingatk.mp3") << "no sound in here, only words";
  expectLastSoundFailure(dir);
}

// The catalogue's fields and its table of file names come from one list of picture sets; a
// run whose count disagrees with its file names would load past its last image, or leave
// images empty.
TEST(PictureSets, EverySetHasOneFileNamePerImage) {
  struct Field {
    const char* name;
    std::size_t images;
  };
#define DA_ONE_IMAGE(field, ...) {#field, std::size_t(1)},
#define DA_IMAGE_RUN(field, ...) {#field, std::size(assets.field)},
  const std::vector<Field> fields = {DA_PICTURE_SETS(DA_ONE_IMAGE, DA_IMAGE_RUN)};
#undef DA_ONE_IMAGE
#undef DA_IMAGE_RUN
  ASSERT_EQ(pictureSets().size(), fields.size());
  for (std::size_t k = 0; k < fields.size(); ++k) {
    EXPECT_STREQ(pictureSets()[k].name, fields[k].name) << "set " << k;
    EXPECT_EQ(pictureSets()[k].files.size(), fields[k].images) << fields[k].name;
  }
}

// Hidden helpers, run only as children by the tests above.

TEST(DISABLED_CatalogueChild, LoadAllAndCheck) {
  const char* dir = std::getenv("DA_CHILD_DIR");
  ASSERT_NE(dir, nullptr);
  ASSERT_EQ(::chdir(dir), 0) << dir;
  const std::string missing = std::getenv("DA_CHILD_MISSING") ? std::getenv("DA_CHILD_MISSING") : "";
  loadImages();
  for (const Entry& entry : catalogueEntries()) {
    if (entry.path == missing) {
      EXPECT_EQ(entry.image->width(), 0) << entry.path << " is missing";
      EXPECT_EQ(pixelBuffer(entry.image), nullptr) << entry.path << " is missing";
      continue;
    }
    const auto [w, h] = pngSize(entry.path);
    ASSERT_GT(w, 0) << entry.path << " is readable";
    EXPECT_EQ(entry.image->width(), w) << entry.path;
    EXPECT_EQ(entry.image->height(), h) << entry.path;
  }
  IMAGE* rest = assets.kingAtkImages + 6;
  for (int k = 1; k < 4; ++k) {
    ASSERT_NE(pixelBuffer(&rest[k]), pixelBuffer(&rest[0])) << "kingAtkImages[" << 6 + k << "] is its own image";
    ASSERT_EQ(rest[k].width(), rest[0].width());
    ASSERT_EQ(rest[k].height(), rest[0].height());
    const std::size_t n = std::size_t(rest[0].width()) * rest[0].height();
    EXPECT_TRUE(std::equal(pixelBuffer(&rest[0]), pixelBuffer(&rest[0]) + n, pixelBuffer(&rest[k])))
        << "kingAtkImages[" << 6 + k << "] has the pixels of kingAtkImages[6]";
  }
  // A second load (a new round) keeps sizes and gives the same pixels.
  const int norWidth = assets.norImages[0].width();
  loadImages();
  EXPECT_EQ(assets.norImages[0].width(), norWidth);
  if (missing.empty()) {
    loadSounds();
    for (const sf::SoundBuffer* b : {&*assets.blastSound, &*assets.boomSound, &*assets.shootSound, &*assets.planeSound,
                                     &*assets.playerAtkSound, &*assets.sharkRollSound, &*assets.waterShootSound,
                                     &*assets.waterHitSound, &*assets.kingAtkSound})
      EXPECT_GT(b->getSampleCount(), 0u) << "every sound has samples";
  }
}

TEST(DISABLED_CatalogueChild, LoadSounds) {
  const char* dir = std::getenv("DA_CHILD_DIR");
  const char* out = std::getenv("DA_CHILD_STDOUT");
  ASSERT_NE(dir, nullptr);
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(::chdir(dir), 0) << dir;
  std::fflush(stdout);
  ASSERT_NE(std::freopen(out, "w", stdout), nullptr);
  loadSounds();
  std::_Exit(0);
}

}  // namespace
