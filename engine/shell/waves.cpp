// The six sound effects, synthesised once when the form is created: 16-bit mono PCM at the
// sample rates and lengths the wave list has always held.
#include "engine/shell/waves.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double TwoPi = 2 * Pi;

using TSignal = std::vector<double>;

// The sounds' own noise: a fixed xorshift sequence, so every run sounds the same and the game's
// Random sequence is not touched when the form is created.
class TNoise {
 public:
  explicit TNoise(uint32_t seed) : state_(seed) {}
  // A value in -1 .. 1.
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483647.5 - 1.0;
  }

 private:
  uint32_t state_;
};

// One-pole low-pass: follows the input with the given corner frequency.
class TLowPass {
 public:
  double Step(double input, double cornerHz, int rate) {
    const double a = 1.0 - std::exp(-TwoPi * cornerHz / rate);
    value_ += a * (input - value_);
    return value_;
  }

 private:
  double value_ = 0;
};

// A tone whose pitch may change from sample to sample: the phase is the running sum of the
// frequency, so sweeps stay smooth.
class TOscillator {
 public:
  double Advance(double hz, int rate) {
    phase_ = std::fmod(phase_ + TwoPi * hz / rate, TwoPi);
    return phase_;
  }

 private:
  double phase_ = 0;
};

// Sum of the harmonics of a phase with amplitude 1 / k^rolloff, leaving out every harmonic at or
// above half the sample rate so that high notes do not fold back as noise.
double Harmonics(double phase, double hz, int rate, int count, double rolloff) {
  double sum = 0;
  for (int k = 1; k <= count && k * hz < rate / 2.0; ++k) {
    sum += std::sin(k * phase) / std::pow(k, rolloff);
  }
  return sum;
}

// Rises over attack seconds, then falls away with the time constant decay.
double Strike(double t, double attack, double decay) {
  if (t < 0) return 0;
  const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
  return rise * std::exp(-t / decay);
}

// The last fadeSeconds go linearly to silence, so no sound ends with a click.
void FadeOut(TSignal& s, int rate, double fadeSeconds) {
  const auto fade = static_cast<size_t>(fadeSeconds * rate);
  for (size_t i = 0; i < fade && i < s.size(); ++i) {
    s[s.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade);
  }
}

// maser3: a short bright zap, the pitch diving from a whistle to a buzz.
TSignal Maser(int rate, int count) {
  TSignal s(count);
  TOscillator tone;
  TNoise noise(0x6d617365u);
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double hz = 420 + 2900 * std::exp(-t / 0.035);
    const double phase = tone.Advance(hz, rate);
    const double body = std::sin(phase) + 0.45 * std::sin(2 * phase) + 0.2 * std::sin(3 * phase);
    const double click = 0.5 * noise.Next() * Strike(t, 0.0005, 0.004);
    s[i] = body * Strike(t, 0.002, 0.055) + click;
  }
  FadeOut(s, rate, 0.02);
  return s;
}

// explosion1: a noisy crack whose brightness closes quickly, over a slowly dying rumble.
TSignal Explosion(int rate, int count) {
  TSignal s(count);
  TNoise noise(0x6578706cu);
  TLowPass crackFilter;
  TLowPass rumbleFilter;
  TLowPass rumbleSmooth;
  TOscillator thump;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double white = noise.Next();
    const double crack = crackFilter.Step(white, 180 + 3800 * std::exp(-t / 0.12), rate);
    const double rumble = rumbleSmooth.Step(rumbleFilter.Step(white, 140, rate), 90, rate);
    const double low = std::sin(thump.Advance(34 + 26 * std::exp(-t / 0.25), rate));
    s[i] = 0.9 * crack * Strike(t, 0.002, 0.22) + 5.0 * rumble * Strike(t, 0.01, 0.55) +
           0.35 * low * Strike(t, 0.005, 0.3);
  }
  FadeOut(s, rate, 0.15);
  return s;
}

// ploing2: a springy boing, a twangy tone whose pitch wobbles and settles.
TSignal Ploing(int rate, int count) {
  TSignal s(count);
  TOscillator tone;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double glide = 1 - 0.35 * std::exp(-t / 0.02);
    const double wobble = 1 + 0.28 * std::exp(-t / 0.35) * std::sin(TwoPi * 6.5 * t);
    const double phase = tone.Advance(196 * glide * wobble, rate);
    const double twang = 2.2 * std::exp(-t / 0.12) + 0.3;
    s[i] = std::sin(phase + twang * std::sin(2 * phase)) * Strike(t, 0.004, 0.42);
  }
  FadeOut(s, rate, 0.1);
  return s;
}

// ballweg: a falling, final tone over its whole length, a fifth below it for weight.
TSignal Ballweg(int rate, int count) {
  TSignal s(count);
  TOscillator high;
  TOscillator low;
  const double seconds = static_cast<double>(count) / rate;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double hz = 660 * std::pow(100.0 / 660.0, t / seconds);
    const double vibrato = 1 + 0.015 * std::sin(TwoPi * 5 * t);
    const double a = high.Advance(hz * vibrato, rate);
    const double b = low.Advance(hz * vibrato * 2 / 3, rate);
    // odd harmonics with falling weights: a soft, hollow tone
    const double voice = std::sin(a) + std::sin(3 * a) / 9 + std::sin(5 * a) / 25;
    const double under = 0.5 * (std::sin(b) + std::sin(3 * b) / 9);
    const double level = std::min(1.0, t / 0.02) * (1 - 0.5 * t / seconds);
    s[i] = (voice + under) * level;
  }
  FadeOut(s, rate, 0.45);
  return s;
}

// erschein1: a rising sparkle, bell notes climbing a pentatonic run with glints above them.
TSignal Erschein(int rate, int count) {
  constexpr std::array<double, 8> Run = {784, 988, 1175, 1568, 1976, 2349, 3136, 3951};
  constexpr double Step = 0.065;
  TSignal s(count);
  TNoise noise(0x65727363u);
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate;
    double sum = 0;
    for (size_t n = 0; n < Run.size(); ++n) {
      const double local = t - Step * static_cast<double>(n);
      if (local < 0) break;
      const double phase = TwoPi * Run[n] * local;
      // 2.76 is the bright, slightly inharmonic partial of a small bell
      sum += (std::sin(phase) + 0.35 * std::sin(2.76 * phase)) * Strike(local, 0.002, 0.16);
    }
    s[i] = 0.5 * sum;
  }
  // glints: short high pings at fixed pseudo-random moments after the run has started
  for (int g = 0; g < 24; ++g) {
    const double start = 0.05 + 0.55 * (noise.Next() * 0.5 + 0.5);
    const double hz = 4200 + 3000 * (noise.Next() * 0.5 + 0.5);
    const auto first = static_cast<int>(start * rate);
    for (int i = first; i < count; ++i) {
      const double local = static_cast<double>(i - first) / rate;
      if (local > 0.12) break;
      s[i] += 0.12 * std::sin(TwoPi * hz * local) * Strike(local, 0.001, 0.025);
    }
  }
  FadeOut(s, rate, 0.12);
  return s;
}

// tusch: a short fanfare, three quick brass notes rising into a held major chord.
TSignal Tusch(int rate, int count) {
  struct Note {
    double Start, Length, Hz;
  };
  constexpr std::array<Note, 7> Notes = {{
      {0.00, 0.11, 523.3},
      {0.12, 0.11, 659.3},
      {0.24, 0.11, 784.0},
      {0.36, 1.10, 523.3},
      {0.36, 1.10, 659.3},
      {0.36, 1.10, 784.0},
      {0.36, 1.10, 1046.5},
  }};
  TSignal s(count);
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate;
    double sum = 0;
    for (const Note& note : Notes) {
      const double local = t - note.Start;
      if (local < 0 || local > note.Length) continue;
      const double attack = std::min(1.0, local / 0.015);
      const double release = std::min(1.0, (note.Length - local) / 0.03);
      const double held = 0.75 + 0.25 * std::exp(-local / 0.08);
      const double vibrato = 1 + 0.006 * std::sin(TwoPi * 5.5 * local) * std::min(1.0, local / 0.3);
      const double hz = note.Hz * vibrato;
      // a brassy edge: the upper harmonics are strongest just after the note starts
      const double rolloff = 1.0 + 0.6 * (1 - std::exp(-local / 0.1));
      sum += Harmonics(TwoPi * hz * local, hz, rate, 12, rolloff) * attack * release * held;
    }
    s[i] = sum;
  }
  FadeOut(s, rate, 0.05);
  return s;
}

// Converts to 16-bit samples with the loudest one at peak × full scale, so no sample clips.
std::vector<int16_t> ToPcm(const TSignal& signal, double peak) {
  double loudest = 0;
  for (double v : signal) loudest = std::max(loudest, std::abs(v));
  const double gain = loudest > 0 ? peak * 32767.0 / loudest : 0;
  std::vector<int16_t> pcm(signal.size());
  for (size_t i = 0; i < signal.size(); ++i) {
    pcm[i] = static_cast<int16_t>(std::lround(signal[i] * gain));
  }
  return pcm;
}

struct TWaveRecipe {
  const char* Name;
  int SampleRate;
  int Bytes;    // length of the samples in bytes, two per sample
  double Peak;  // loudest sample as a share of full scale
  TSignal (*Synthesise)(int rate, int count);
};

constexpr std::array<TWaveRecipe, 6> Recipes = {{
    {"ballweg.wav", 11025, 37888, 0.80, Ballweg},
    {"erschein1.wav", 22050, 37888, 0.75, Erschein},
    {"explosion1.WAV", 11025, 33792, 0.90, Explosion},
    {"maser3.WAV", 44100, 24758, 0.70, Maser},
    {"ploing2.WAV", 11025, 33024, 0.80, Ploing},
    {"tusch.wav", 11025, 32768, 0.80, Tusch},
}};

}  // namespace

void BuildWaves(WaveList& list) {
  for (const TWaveRecipe& recipe : Recipes) {
    const TSignal signal = recipe.Synthesise(recipe.SampleRate, recipe.Bytes / 2);
    list.Add(recipe.Name, recipe.SampleRate, ToPcm(signal, recipe.Peak));
  }
}
