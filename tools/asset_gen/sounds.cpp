// Sound synthesis: each effect is a short mix of oscillators and filtered noise under an
// envelope, normalised to a moderate peak. Noise comes from a fixed-seed generator.
#include "tools/asset_gen/sounds.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "tools/asset_gen/audio_io.h"
#include "tools/asset_gen/canvas.h"
#include "tools/asset_gen/catalogue.h"

namespace assetgen {

namespace {

constexpr double kRate = kSampleRate;
constexpr double kPeak = 0.55;  // moderate level, leaves room when several voices overlap

// One-pole low-pass and high-pass filters; the cutoff may change per sample.
struct LowPass {
  double y = 0;
  double step(double x, double cutoff) {
    const double a = 1.0 - std::exp(-2.0 * kPi * cutoff / kRate);
    y += a * (x - y);
    return y;
  }
};

// A resonant band-pass (state-variable filter) for the swishes and whooshes.
struct BandPass {
  double low = 0, band = 0;
  double step(double x, double centre, double q) {
    const double f = 2.0 * std::sin(kPi * std::min(centre, kRate / 6) / kRate);
    low += f * band;
    const double high = x - low - band / q;
    band += f * high;
    return band;
  }
};

struct Noise {
  Rng rng;
  explicit Noise(uint32_t seed) : rng(seed) {}
  double white() { return rng.uniform(-1.0, 1.0); }
};

// Attack-decay envelope: rises over attack seconds, then falls exponentially.
double envelope(double t, double attack, double decay) {
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decay);
}

// Fades the last few milliseconds so that no sound ends in a click.
double tailFade(double t, double length) { return clamp01((length - t) / 0.02); }

std::vector<int16_t> render(double seconds, const std::function<double(double)>& voice) {
  const size_t n = static_cast<size_t>(seconds * kRate);
  std::vector<double> v(n);
  double peak = 1e-9;
  for (size_t i = 0; i < n; ++i) {
    const double t = i / kRate;
    v[i] = voice(t) * tailFade(t, seconds);
    peak = std::max(peak, std::fabs(v[i]));
  }
  std::vector<int16_t> out(n);
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<int16_t>(std::lround(v[i] / peak * kPeak * 32767.0));
  return out;
}

// A soft pop: a sine that drops in pitch quickly, with a breath of noise at the start.
std::vector<int16_t> shot(double len) {
  Noise noise(11);
  LowPass lp;
  double phase = 0;
  return render(len, [&](double t) {
    const double f = 260 + 700 * std::exp(-t / 0.025);
    phase += 2 * kPi * f / kRate;
    const double body = std::sin(phase) * envelope(t, 0.003, 0.045);
    const double puff = lp.step(noise.white(), 3000) * envelope(t, 0.001, 0.012);
    return body + 0.6 * puff;
  });
}

// A swish: noise through a band-pass whose centre sweeps up, loudest in the middle.
std::vector<int16_t> strike(double len) {
  Noise noise(23);
  BandPass bp;
  return render(len, [&](double t) {
    const double u = t / len;
    const double centre = 700 + 3800 * u * u;
    const double env = std::sin(kPi * std::pow(u, 0.7));
    return bp.step(noise.white(), centre, 2.5) * env * env;
  });
}

// A bubbly squirt: a hiss of water plus quick bubbles that rise in pitch.
std::vector<int16_t> waterShot(double len) {
  Noise noise(37);
  BandPass bp;
  const double starts[] = {0.0, 0.05, 0.09, 0.14, 0.2, 0.27};
  const double bases[] = {420, 560, 480, 650, 520, 700};
  double phases[6] = {0, 0, 0, 0, 0, 0};
  return render(len, [&](double t) {
    double sum = 0;
    for (int i = 0; i < 6; ++i) {
      const double dt = t - starts[i];
      if (dt < 0) continue;
      const double f = bases[i] * (1 + 2.2 * dt / 0.06);
      phases[i] += 2 * kPi * f / kRate;
      sum += std::sin(phases[i]) * envelope(dt, 0.002, 0.025);
    }
    const double hiss = bp.step(noise.white(), 2200, 1.2) * envelope(t, 0.01, 0.12);
    return 0.7 * sum + 0.8 * hiss;
  });
}

// A splash: a burst of low-passed noise with a few falling droplets.
std::vector<int16_t> splash(double len) {
  Noise noise(41);
  LowPass lp;
  const double starts[] = {0.03, 0.08, 0.15, 0.22};
  const double bases[] = {900, 1200, 800, 1050};
  double phases[4] = {0, 0, 0, 0};
  return render(len, [&](double t) {
    const double cutoff = 600 + 5000 * std::exp(-t / 0.06);
    const double wash = lp.step(noise.white(), cutoff) * envelope(t, 0.004, 0.09);
    double drops = 0;
    for (int i = 0; i < 4; ++i) {
      const double dt = t - starts[i];
      if (dt < 0) continue;
      phases[i] += 2 * kPi * bases[i] * (1 + 0.8 * dt / 0.04) / kRate;
      drops += std::sin(phases[i]) * envelope(dt, 0.002, 0.02);
    }
    return 1.4 * wash + 0.35 * drops;
  });
}

// A falling whistle: a sine gliding down with a little vibrato.
std::vector<int16_t> bombDrop(double len) {
  double phase = 0;
  return render(len, [&](double t) {
    const double u = t / len;
    const double f = 1700 * std::pow(500.0 / 1700.0, u) * (1 + 0.012 * std::sin(2 * kPi * 7 * t));
    phase += 2 * kPi * f / kRate;
    const double env = smoothstep(0, 0.08, u) * (1 - smoothstep(0.75, 1.0, u));
    return (std::sin(phase) + 0.15 * std::sin(2 * phase)) * env;
  });
}

// A blast: a bright noise burst whose brightness decays, over a low rumble.
std::vector<int16_t> blast(double len) {
  Noise noise(53);
  LowPass lp, rumbleLp;
  double phase = 0;
  return render(len, [&](double t) {
    const double cutoff = 250 + 6000 * std::exp(-t / 0.08);
    const double burst = lp.step(noise.white(), cutoff) * envelope(t, 0.003, 0.35);
    phase += 2 * kPi * (48 + 20 * std::exp(-t / 0.2)) / kRate;
    const double rumble = (std::sin(phase) + 0.8 * rumbleLp.step(noise.white(), 120) * 6) *
                          envelope(t, 0.01, 0.45);
    return 1.3 * burst + 0.7 * rumble;
  });
}

// A propeller: a low buzz chopped by the blades.
std::vector<int16_t> propeller(double len) {
  LowPass lp;
  double phase = 0, chop = 0;
  return render(len, [&](double t) {
    const double u = t / len;
    phase += 2 * kPi * 118 / kRate;
    chop += 2 * kPi * 26 / kRate;
    const double saw = 2 * (phase / (2 * kPi) - std::floor(phase / (2 * kPi) + 0.5));
    const double buzz = lp.step(saw, 1400) * (0.55 + 0.45 * std::sin(chop));
    return buzz * smoothstep(0, 0.12, u) * (1 - smoothstep(0.7, 1.0, u));
  });
}

// A roar: a rough low growl, its pitch rising then sinking, with breath noise.
std::vector<int16_t> roar(double len) {
  Noise noise(67);
  LowPass lp, breath;
  double phase = 0, flutter = 0;
  return render(len, [&](double t) {
    const double u = t / len;
    const double f = 72 + 40 * std::sin(kPi * std::min(1.0, u * 1.3));
    phase += 2 * kPi * f / kRate;
    flutter += 2 * kPi * (31 + 6 * std::sin(2 * kPi * 3 * t)) / kRate;
    const double saw = 2 * (phase / (2 * kPi) - std::floor(phase / (2 * kPi) + 0.5));
    const double growl = lp.step(saw, 900) * (0.6 + 0.4 * std::sin(flutter));
    const double air = breath.step(noise.white(), 1800) * 0.5;
    return (growl + air) * smoothstep(0, 0.08, u) * (1 - smoothstep(0.6, 1.0, u));
  });
}

// A roll: a whoosh, band-passed noise sweeping low, high and low again.
std::vector<int16_t> roll(double len) {
  Noise noise(71);
  BandPass bp;
  return render(len, [&](double t) {
    const double u = t / len;
    const double centre = 300 + 1700 * std::sin(kPi * u);
    const double env = std::sin(kPi * u);
    return bp.step(noise.white(), centre, 1.8) * env;
  });
}

}  // namespace

std::vector<int16_t> synthesiseSound(const std::string& name) {
  double len = 0;
  for (const SoundFile& s : soundFiles())
    if (s.name == name) len = s.seconds;
  if (name == "shoot.ogg") return shot(len);
  if (name == "playeratk.ogg") return strike(len);
  if (name == "watershoot.mp3") return waterShot(len);
  if (name == "waterhit.mp3") return splash(len);
  if (name == "boom.ogg") return bombDrop(len);
  if (name == "blast.mp3") return blast(len);
  if (name == "plane.ogg") return propeller(len);
  if (name == "kingatk.mp3") return roar(len);
  if (name == "sharkroll.ogg") return roll(len);
  return {};
}

}  // namespace assetgen
