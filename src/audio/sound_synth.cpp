#include "audio/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

using Samples = std::vector<float>;

constexpr double kTwoPi = 6.283185307179586;
constexpr double kRate = kSoundSampleRate;

Samples silence(double seconds)
{
    return Samples(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0f);
}

/// One sine partial: a raised-cosine attack, then an exponential decay with
/// time constant `decay`. The pitch may glide (exponentially, from freq to
/// freqEnd over `glide` seconds) and wobble like a spring that settles.
struct Partial {
    double at = 0.0;          ///< start, seconds
    double freq = 440.0;      ///< Hz
    double freqEnd = 0.0;     ///< Hz at the end of the glide; 0 keeps freq
    double glide = 0.0;       ///< seconds
    double amp = 1.0;
    double attack = 0.002;    ///< seconds
    double decay = 0.1;       ///< seconds
    double wobbleHz = 0.0;    ///< rate of the pitch wobble
    double wobbleDepth = 0.0; ///< its depth as a fraction of the pitch
    double wobbleDecay = 0.1; ///< seconds for the wobble to settle
};

/// Below this an envelope is over: what is left could not be heard, and
/// would only run into the slow denormal numbers.
constexpr double kInaudible = 1e-6;

double envelope(double t, double attack, double decay)
{
    if (t < attack) return 0.5 - 0.5 * std::cos(3.141592653589793 * t / attack);
    return std::exp(-(t - attack) / decay);
}

void add(Samples& out, const Partial& p)
{
    // Everything advances by one multiplication a sample (the decay, the
    // glide, and for a steady pitch the sine itself, as a turning phasor):
    // the game makes all its effects at start-up, so this has to be quick.
    const std::size_t first = static_cast<std::size_t>(std::lround(p.at * kRate));
    const bool steady = !(p.freqEnd > 0.0 && p.glide > 0.0) && p.wobbleDepth <= 0.0;
    const double turn = kTwoPi * p.freq / kRate;
    const double turnCos = std::cos(turn);
    const double turnSin = std::sin(turn);
    const double decayPerSample = std::exp(-1.0 / (p.decay * kRate));
    const double glidePerSample = steady ? 1.0 : std::pow(p.freqEnd > 0.0 ? p.freqEnd / p.freq : 1.0, 1.0 / (p.glide * kRate));
    const std::size_t glideEnd = first + static_cast<std::size_t>(p.glide * kRate);
    double freq = p.freq;
    double phase = 0.0;
    double re = 1.0;
    double im = 0.0;
    double level = 1.0;
    for (std::size_t n = first; n < out.size(); ++n) {
        const double t = static_cast<double>(n - first) / kRate;
        double value;
        if (steady) {
            value = im;
            const double nextRe = re * turnCos - im * turnSin;
            im = re * turnSin + im * turnCos;
            re = nextRe;
        } else {
            value = std::sin(phase);
            double f = freq;
            if (p.wobbleDepth > 0.0)
                f *= 1.0 + p.wobbleDepth * std::sin(kTwoPi * p.wobbleHz * t) * std::exp(-t / p.wobbleDecay);
            phase += kTwoPi * f / kRate;
            if (n < glideEnd) freq *= glidePerSample;
        }
        double gain;
        if (t < p.attack) {
            gain = envelope(t, p.attack, p.decay);
        } else {
            gain = level;
            level *= decayPerSample;
            if (gain < kInaudible) break;
        }
        out[n] += static_cast<float>(p.amp * gain * value);
    }
}

/// A bell-like note: the fundamental with two quieter, quicker overtones.
void addBell(Samples& out, double at, double freq, double amp, double decay)
{
    add(out, {.at = at, .freq = freq, .amp = amp, .attack = 0.004, .decay = decay});
    add(out, {.at = at, .freq = freq * 2.0, .amp = amp * 0.22, .attack = 0.003, .decay = decay * 0.5});
    add(out, {.at = at, .freq = freq * 3.01, .amp = amp * 0.07, .attack = 0.002, .decay = decay * 0.3});
}

/// The same seed always gives the same noise, so the effects are the same
/// on every machine and every run.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

double onePole(double cutoffHz)
{
    return 1.0 - std::exp(-kTwoPi * cutoffHz / kRate);
}

/// A burst of noise through a two-pole low-pass whose cutoff moves from
/// cutoff to cutoffEnd over the burst's length.
struct NoiseBurst {
    double at = 0.0;
    double amp = 1.0;
    double attack = 0.001;
    double decay = 0.01;
    double cutoff = 2000.0;
    double cutoffEnd = 0.0;   ///< 0 keeps cutoff
    std::uint32_t seed = 1;
};

void add(Samples& out, const NoiseBurst& b)
{
    Noise noise(b.seed);
    const std::size_t first = static_cast<std::size_t>(std::lround(b.at * kRate));
    const double span = static_cast<double>(out.size() - std::min(first, out.size())) / kRate;
    const double decayPerSample = std::exp(-1.0 / (b.decay * kRate));
    double level = 1.0;
    double a = onePole(b.cutoff);
    double low1 = 0.0;
    double low2 = 0.0;
    for (std::size_t n = first; n < out.size(); ++n) {
        const double t = static_cast<double>(n - first) / kRate;
        double gain;
        if (t < b.attack) {
            gain = envelope(t, b.attack, b.decay);
        } else {
            gain = level;
            level *= decayPerSample;
            if (gain < kInaudible) break;
        }
        // A sweeping cutoff moves in small steps, far too small to hear.
        if (b.cutoffEnd > 0.0 && (n - first) % 32 == 0) a = onePole(b.cutoff + (b.cutoffEnd - b.cutoff) * t / span);
        low1 += a * (noise.next() - low1);
        low2 += a * (low1 - low2);
        out[n] += static_cast<float>(b.amp * gain * low2);
    }
}

/// A plucked string (Karplus-Strong): a burst of soft noise circulating in
/// a delay line one period long, averaged a little on every pass.
void addPluck(Samples& out, double at, double freq, double amp, double sustain, std::uint32_t seed)
{
    const int period = std::max(2, static_cast<int>(std::lround(kRate / freq)));
    std::vector<double> line(static_cast<std::size_t>(period));
    Noise noise(seed);
    // The noise goes through a two-pole low-pass first: a finger rather than
    // a plectrum, a rounder and darker pluck.
    double low1 = 0.0;
    double low2 = 0.0;
    for (double& value : line) {
        low1 += 0.3 * (noise.next() - low1);
        low2 += 0.3 * (low1 - low2);
        value = low2;
    }
    double mean = 0.0;
    for (double value : line) mean += value;
    mean /= static_cast<double>(line.size());
    double loudest = 1e-9;
    for (double& value : line) {
        value -= mean;
        loudest = std::max(loudest, std::fabs(value));
    }
    for (double& value : line) value /= loudest;
    const std::size_t first = static_cast<std::size_t>(std::lround(at * kRate));
    double previous = 0.0;
    double heard = 0.0;
    const double soften = onePole(2000.0);  // the string's body, not its wire
    for (std::size_t n = first, k = 0; n < out.size(); ++n, ++k) {
        double& value = line[k % line.size()];
        const double current = value;
        value = sustain * 0.5 * (current + previous);
        if (std::fabs(value) < kInaudible * 1e-3) value = 0.0;
        previous = current;
        heard += soften * (current - heard);
        out[n] += static_cast<float>(amp * heard);
    }
}

/// The last touches every effect gets: no DC (a gentle high-pass), a short
/// fade at each end so nothing clicks, and the loudest sample at `peak`.
void finish(Samples& s, double peak)
{
    const double r = 1.0 - kTwoPi * 20.0 / kRate;
    double lastIn = 0.0;
    double lastOut = 0.0;
    for (float& v : s) {
        double out = v - lastIn + r * lastOut;
        if (std::fabs(out) < 1e-12) out = 0.0;
        lastIn = v;
        lastOut = out;
        v = static_cast<float>(out);
    }
    const std::size_t fadeIn = std::min<std::size_t>(s.size(), static_cast<std::size_t>(0.0005 * kRate));
    for (std::size_t n = 0; n < fadeIn; ++n) s[n] *= static_cast<float>(n) / static_cast<float>(fadeIn);
    const std::size_t fadeOut = std::min<std::size_t>(s.size(), static_cast<std::size_t>(0.015 * kRate));
    for (std::size_t n = 0; n < fadeOut; ++n) s[s.size() - 1 - n] *= static_cast<float>(n) / static_cast<float>(fadeOut);

    float loudest = 0.0f;
    for (float v : s) loudest = std::max(loudest, std::fabs(v));
    if (loudest > 0.0f)
        for (float& v : s) v *= static_cast<float>(peak) / loudest;
}

// Notes of the little tunes, Hz.
constexpr double kF3 = 174.61, kA3 = 220.0, kC5 = 523.25, kE5 = 659.26, kG5 = 783.99;
constexpr double kA5 = 880.0, kC6 = 1046.5, kE6 = 1318.5;

/// A wooden knock: the ball meets a solid line.
Samples ballOnLine()
{
    Samples s = silence(0.16);
    add(s, Partial{.freq = 190.0, .amp = 1.0, .attack = 0.001, .decay = 0.045});
    add(s, Partial{.freq = 470.0, .amp = 0.45, .attack = 0.001, .decay = 0.022});
    add(s, Partial{.freq = 1130.0, .amp = 0.12, .attack = 0.001, .decay = 0.01});
    add(s, NoiseBurst{.amp = 0.6, .decay = 0.006, .cutoff = 1800.0, .seed = 11});
    finish(s, 0.75);
    return s;
}

/// A soft boing: the rope gives and springs back.
Samples ballOnRope()
{
    Samples s = silence(0.3);
    add(s, Partial{.freq = 300.0, .freqEnd = 210.0, .glide = 0.2, .amp = 1.0, .attack = 0.008, .decay = 0.08,
                   .wobbleHz = 16.0, .wobbleDepth = 0.04, .wobbleDecay = 0.1});
    add(s, Partial{.freq = 600.0, .freqEnd = 420.0, .glide = 0.2, .amp = 0.18, .attack = 0.006, .decay = 0.04});
    finish(s, 0.6);
    return s;
}

/// A marble click: two hard balls.
Samples ballOnBall()
{
    Samples s = silence(0.12);
    add(s, Partial{.freq = 1250.0, .amp = 1.0, .attack = 0.0008, .decay = 0.02});
    add(s, Partial{.freq = 2930.0, .amp = 0.3, .attack = 0.0005, .decay = 0.007});
    add(s, Partial{.freq = 640.0, .amp = 0.35, .attack = 0.001, .decay = 0.03});
    finish(s, 0.5);
    return s;
}

/// A dull thud against the edge of the play area.
Samples ballOnWall()
{
    Samples s = silence(0.2);
    add(s, Partial{.freq = 95.0, .amp = 1.0, .attack = 0.002, .decay = 0.06});
    add(s, Partial{.freq = 160.0, .freqEnd = 110.0, .glide = 0.05, .amp = 0.5, .attack = 0.001, .decay = 0.035});
    add(s, NoiseBurst{.amp = 1.2, .decay = 0.015, .cutoff = 900.0, .seed = 23});
    finish(s, 0.75);
    return s;
}

/// A plucked string: a rope drawn tight between two dock points.
Samples ropeHung()
{
    Samples s = silence(0.5);
    addPluck(s, 0.0, 330.0, 1.0, 0.985, 5);
    add(s, Partial{.freq = 330.0, .amp = 0.35, .attack = 0.004, .decay = 0.12});
    finish(s, 0.55);
    return s;
}

/// A falling swish: the rope goes slack and away.
Samples ropeRemoved()
{
    Samples s = silence(0.3);
    add(s, Partial{.freq = 520.0, .freqEnd = 240.0, .glide = 0.18, .amp = 1.0, .attack = 0.006, .decay = 0.08});
    add(s, Partial{.freq = 1040.0, .freqEnd = 480.0, .glide = 0.18, .amp = 0.2, .attack = 0.004, .decay = 0.05});
    add(s, NoiseBurst{.amp = 0.5, .attack = 0.02, .decay = 0.05, .cutoff = 2000.0, .cutoffEnd = 400.0, .seed = 31});
    finish(s, 0.5);
    return s;
}

/// A light blip.
Samples ropeSelected()
{
    Samples s = silence(0.09);
    add(s, Partial{.freq = 880.0, .amp = 1.0, .attack = 0.003, .decay = 0.022});
    add(s, Partial{.freq = 1760.0, .amp = 0.2, .attack = 0.002, .decay = 0.01});
    finish(s, 0.4);
    return s;
}

/// The smallest tick, heard many times while a slider moves.
Samples sliderTick()
{
    Samples s = silence(0.03);
    add(s, Partial{.freq = 2400.0, .amp = 1.0, .attack = 0.0005, .decay = 0.004});
    add(s, Partial{.freq = 1200.0, .amp = 0.5, .attack = 0.0005, .decay = 0.006});
    finish(s, 0.22);
    return s;
}

/// A soft click.
Samples buttonClick()
{
    Samples s = silence(0.06);
    add(s, Partial{.freq = 1500.0, .amp = 1.0, .attack = 0.0008, .decay = 0.008});
    add(s, Partial{.freq = 720.0, .amp = 0.6, .attack = 0.001, .decay = 0.012});
    add(s, NoiseBurst{.amp = 0.6, .decay = 0.003, .cutoff = 6000.0, .seed = 41});
    finish(s, 0.4);
    return s;
}

/// Two notes up: off it goes.
Samples tryItOut()
{
    Samples s = silence(0.4);
    addBell(s, 0.0, kC5, 1.0, 0.08);
    addBell(s, 0.08, kG5, 1.0, 0.11);
    finish(s, 0.5);
    return s;
}

/// The same two notes down: back to the start.
Samples returnToStart()
{
    Samples s = silence(0.4);
    addBell(s, 0.0, kG5, 1.0, 0.08);
    addBell(s, 0.08, kC5, 1.0, 0.11);
    finish(s, 0.45);
    return s;
}

/// A short rising jingle ending on a ringing octave.
Samples levelCompleted()
{
    Samples s = silence(1.3);
    addBell(s, 0.0, kC5, 0.8, 0.12);
    addBell(s, 0.11, kE5, 0.8, 0.12);
    addBell(s, 0.22, kG5, 0.8, 0.12);
    addBell(s, 0.33, kC6, 1.0, 0.3);
    add(s, Partial{.at = 0.33, .freq = kE6 * 1.003, .amp = 0.2, .attack = 0.02, .decay = 0.25});
    add(s, Partial{.at = 0.33, .freq = kC5 * 0.998, .amp = 0.25, .attack = 0.03, .decay = 0.3});
    finish(s, 0.65);
    return s;
}

/// A soft breath of air with a quiet chord: a new menu screen.
Samples screenOpened()
{
    Samples s = silence(0.45);
    add(s, NoiseBurst{.amp = 1.0, .attack = 0.1, .decay = 0.09, .cutoff = 700.0, .cutoffEnd = 2500.0, .seed = 53});
    add(s, Partial{.freq = 392.0, .amp = 0.05, .attack = 0.07, .decay = 0.12});
    add(s, Partial{.freq = 587.3, .amp = 0.04, .attack = 0.08, .decay = 0.12});
    finish(s, 0.3);
    return s;
}

Samples saveSucceeded()
{
    Samples s = silence(0.45);
    addBell(s, 0.0, kE5, 1.0, 0.08);
    addBell(s, 0.09, kA5, 1.0, 0.13);
    finish(s, 0.5);
    return s;
}

/// Two low, hollow notes going down: a soft "no".
Samples saveFailed()
{
    Samples s = silence(0.5);
    for (double at : {0.0, 0.14}) {
        const double f = at == 0.0 ? kA3 : kF3;
        // Odd overtones only: a hollow, reedy note, softened by its quick decay.
        add(s, Partial{.at = at, .freq = f, .amp = 1.0, .attack = 0.01, .decay = 0.1});
        add(s, Partial{.at = at, .freq = f * 1.004, .amp = 0.3, .attack = 0.01, .decay = 0.1});
        add(s, Partial{.at = at, .freq = f * 3.0, .amp = 0.15, .attack = 0.008, .decay = 0.05});
        add(s, Partial{.at = at, .freq = f * 5.0, .amp = 0.05, .attack = 0.006, .decay = 0.03});
    }
    finish(s, 0.5);
    return s;
}

} // namespace

std::vector<float> synthesizeSound(SoundId id)
{
    switch (id) {
    case SoundId::BallOnLine: return ballOnLine();
    case SoundId::BallOnRope: return ballOnRope();
    case SoundId::BallOnBall: return ballOnBall();
    case SoundId::BallOnWall: return ballOnWall();
    case SoundId::RopeHung: return ropeHung();
    case SoundId::RopeRemoved: return ropeRemoved();
    case SoundId::RopeSelected: return ropeSelected();
    case SoundId::SliderTick: return sliderTick();
    case SoundId::ButtonClick: return buttonClick();
    case SoundId::TryItOut: return tryItOut();
    case SoundId::Return: return returnToStart();
    case SoundId::LevelCompleted: return levelCompleted();
    case SoundId::ScreenOpened: return screenOpened();
    case SoundId::SaveSucceeded: return saveSucceeded();
    case SoundId::SaveFailed: return saveFailed();
    case SoundId::Count: break;
    }
    return {};
}

const char* soundName(SoundId id)
{
    static const char* const names[kSoundCount] = {
        "ball_on_line", "ball_on_rope", "ball_on_ball", "ball_on_wall", "rope_hung",
        "rope_removed", "rope_selected", "slider_tick", "button_click", "try_it_out",
        "return", "level_completed", "screen_opened", "save_succeeded", "save_failed",
    };
    const int index = static_cast<int>(id);
    return index >= 0 && index < kSoundCount ? names[index] : "none";
}
