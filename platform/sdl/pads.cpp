// The pads (see pads.h): the player's mapping file, the open controllers by instance, and
// their events routed to the latch.
#include "platform/sdl/pads.h"

#include <SDL.h>

#include <map>

#include "platform/port/storage.h"
#include "platform/controls/pad_mappings.h"
#include "platform/controls/pad_use.h"
#include "platform/settings/settings_file.h"
#include "platform/base/notice.h"

namespace platform {

struct OpenPad {
  SDL_GameController* controller;
  PadInUse use;
};

struct Pads {
  PadBindings layout;
  std::map<SDL_JoystickID, OpenPad> open;
};

namespace {

constexpr std::size_t kMaxMappingWarnings = 10;

// The player's mapping file, line by line, into SDL's table; warnings for the lines left out.
void addPlayerMappings() {
  const std::string folder = settingsFolder();
  if (folder.empty()) return;  // no home folder: no file of the player's
  const std::string path = folder + "/gamecontrollerdb.txt";
  std::string text, reason;
  const FileText read = readFileText(path, text, reason);
  if (read == FileText::kMissing) return;
  if (read == FileText::kFailed) {
    notice("cannot read " + path + " (" + reason + "); the pads use SDL's own mappings");
    return;
  }
  MappingReading reading = readMappingLines(text);
  for (const MappingLine& line : reading.mappings)
    if (SDL_GameControllerAddMapping(line.text.c_str()) < 0)
      reading.warnings.push_back("line " + std::to_string(line.number) + ": SDL refused it (" + SDL_GetError() + "); skipped");
  for (const std::string& warning : limitWarnings(reading.warnings, kMaxMappingWarnings)) notice(path + " " + warning);
}

void openPad(Pads& pads, int deviceIndex) {
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (!controller) return;
  const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
  if (pads.open.count(id)) {
    SDL_GameControllerClose(controller);  // SDL opens one controller per device; this closes the extra reference
    return;
  }
  pads.open[id] = OpenPad{controller, PadInUse{}};
}

void closePad(Pads& pads, WindowKeys& keys, SDL_JoystickID id) {
  auto found = pads.open.find(id);
  if (found == pads.open.end()) return;
  padUnplugged(keys.router, pads.layout, found->second.use);
  SDL_GameControllerClose(found->second.controller);
  pads.open.erase(found);
}

// SDL's game-controller buttons and axes are numbered as the pad codes (pad_codes.h).
static_assert(int(SDL_CONTROLLER_BUTTON_A) == kPadA && int(SDL_CONTROLLER_BUTTON_START) == kPadStart &&
                  int(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) == kPadDpadRight && int(SDL_CONTROLLER_BUTTON_TOUCHPAD) == kPadTouchpad &&
                  int(SDL_CONTROLLER_BUTTON_MAX) == kPadButtonCount,
              "SDL's buttons are the pad buttons");
static_assert(int(SDL_CONTROLLER_AXIS_LEFTX) == kPadLeftX && int(SDL_CONTROLLER_AXIS_RIGHTY) == kPadRightY &&
                  int(SDL_CONTROLLER_AXIS_TRIGGERRIGHT) == kPadTriggerRight && int(SDL_CONTROLLER_AXIS_MAX) == kPadAxisCount,
              "SDL's axes are the pad axes");

int padInputOf(Uint8 button) { return button < kPadButtonCount ? int(button) : -1; }

PadAxis padAxisOf(Uint8 axis) { return PadAxis(axis); }

}  // namespace

Pads* openPads(const Settings& settings) {
  // A pad is heard only while the window has the focus: a press made while the player is in
  // another program belongs to that program, so Start does not resume a game behind it.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "0");
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    notice(std::string("no gamepads: SDL could not start its game controllers (") + SDL_GetError() + ")");
    return nullptr;
  }
  addPlayerMappings();
  return new Pads{settings.pad, {}};
}

void closePads(Pads* pads) {
  if (!pads) return;
  for (auto& entry : pads->open) SDL_GameControllerClose(entry.second.controller);
  delete pads;
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool handlePadEvent(Pads* pads, WindowKeys& keys, const SDL_Event& event) {
  if (!pads) return false;
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: openPad(*pads, event.cdevice.which); return true;
    case SDL_CONTROLLERDEVICEREMOVED: closePad(*pads, keys, event.cdevice.which); return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      auto found = pads->open.find(event.cbutton.which);
      if (found == pads->open.end()) return true;
      padButtonChanged(keys.router, pads->layout, found->second.use, padInputOf(event.cbutton.button),
                       event.type == SDL_CONTROLLERBUTTONDOWN);
      return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
      auto found = pads->open.find(event.caxis.which);
      if (found == pads->open.end()) return true;
      padAxisMoved(keys.router, pads->layout, found->second.use, padAxisOf(event.caxis.axis), event.caxis.value);
      return true;
    }
    default: return false;
  }
}

}  // namespace platform
