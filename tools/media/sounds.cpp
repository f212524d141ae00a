// The three sounds, synthesised additively and written as 16-bit mono WAV.
#include <cmath>

#include "art.h"

namespace media {

namespace {

constexpr int kRate = 44100;
constexpr float kPi = 3.14159265358979f;

float noteHz(int midi) { return 440.0f * std::pow(2.0f, (midi - 69) / 12.0f); }

std::vector<uint8_t> wavBytes(const std::vector<float>& s, float peak) {
    float m = 1e-9f;
    for (float v : s) m = std::max(m, std::fabs(v));
    const float k = peak / m;
    std::vector<uint8_t> out;
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; i++) out.push_back((uint8_t)(v >> (8 * i)));
    };
    auto u16 = [&](uint16_t v) {
        out.push_back((uint8_t)v);
        out.push_back((uint8_t)(v >> 8));
    };
    const uint32_t dataBytes = (uint32_t)s.size() * 2;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    u32(36 + dataBytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    u32(dataBytes);
    for (float v : s) {
        long q = std::lround(clampf(v * k, -1, 1) * 32767.0f);
        u16((uint16_t)(int16_t)q);
    }
    return out;
}

// Level intro: a soft, slowly swelling chord with a breath of air. It starts
// and ends in silence and has no beat, so copies of it laid over each other at
// any offset still make one calm sound.
std::vector<float> introPad() {
    const float dur = 2.8f;
    const int n = (int)(dur * kRate);
    std::vector<float> s(n);
    const int notes[] = {48, 55, 62, 64, 67, 71};  // C3 G3 D4 E4 G4 B4
    const float amps[] = {0.9f, 0.7f, 0.55f, 0.5f, 0.35f, 0.22f};
    Rng rng(11);
    float lp = 0, lp2 = 0;
    for (int i = 0; i < n; i++) {
        float t = (float)i / kRate;
        float env = smooth(0.0f, 0.9f, t) * (1 - smooth(1.2f, dur, t));
        float v = 0;
        for (int k = 0; k < 6; k++) {
            float f = noteHz(notes[k]);
            float wob = 1 + 0.25f * std::sin(2 * kPi * (0.7f + 0.13f * k) * t + k);
            v += amps[k] * wob * (std::sin(2 * kPi * f * t) + 0.5f * std::sin(2 * kPi * f * 1.0029f * t + 1.3f));
        }
        // Air: low-passed noise that swells with the chord.
        float nz = rng.range(-1, 1);
        lp += 0.05f * (nz - lp);
        lp2 += 0.05f * (lp - lp2);
        v += 2.2f * lp2 * smooth(0.2f, 1.2f, t);
        s[i] = v * env;
    }
    return s;
}

// A struck bell: a few inharmonic partials that die away at their own pace.
void addBell(std::vector<float>& s, float start, float hz, float gain, float decay) {
    const float partial[] = {1.0f, 2.0f, 2.76f, 4.07f, 5.4f};
    const float amp[] = {1.0f, 0.55f, 0.3f, 0.18f, 0.1f};
    int i0 = (int)(start * kRate);
    for (int i = i0; i < (int)s.size(); i++) {
        float t = (float)(i - i0) / kRate;
        float attack = std::min(1.0f, t / 0.004f);
        float v = 0;
        for (int k = 0; k < 5; k++)
            v += amp[k] * std::exp(-t * decay * (1 + 0.7f * k)) * std::sin(2 * kPi * hz * partial[k] * t);
        s[i] += gain * attack * v;
    }
}

// Picture solved: a quick rising arpeggio of bells resolving on a chord.
std::vector<float> solvedChime() {
    std::vector<float> s((size_t)(1.9f * kRate));
    const int arp[] = {72, 76, 79, 84};  // C5 E5 G5 C6
    for (int k = 0; k < 4; k++) addBell(s, 0.085f * k, noteHz(arp[k]), 0.8f, 3.2f);
    addBell(s, 0.42f, noteHz(88), 0.45f, 2.2f);  // E6 on top
    addBell(s, 0.42f, noteHz(79), 0.35f, 1.8f);
    addBell(s, 0.42f, noteHz(72), 0.35f, 1.6f);
    for (size_t i = 0; i < s.size(); i++) {
        float t = (float)i / kRate;
        s[i] *= 1 - smooth(1.6f, 1.9f, t);
    }
    return s;
}

// A warm brass-like voice: a few harmonics whose brightness follows the swell.
void addHorn(std::vector<float>& s, float start, float len, float hz, float gain) {
    int i0 = (int)(start * kRate), i1 = std::min((int)s.size(), (int)((start + len + 0.35f) * kRate));
    for (int i = i0; i < i1; i++) {
        float t = (float)(i - i0) / kRate;
        float env = smooth(0, 0.05f, t) * (0.75f + 0.25f * std::exp(-t * 6)) * (1 - smooth(len, len + 0.35f, t));
        float vib = 1 + 0.004f * std::sin(2 * kPi * 5.2f * t) * smooth(0.2f, 0.6f, t);
        float v = 0;
        for (int k = 1; k <= 7; k++) {
            float bright = std::exp(-(k - 1) * (0.55f - 0.25f * env));
            v += bright / k * std::sin(2 * kPi * hz * k * vib * t);
        }
        s[i] += gain * env * v;
    }
}

// Final screen: a short fanfare. The game plays it at 0.8 speed, so it is
// written a major third higher and a quarter faster than it is heard.
std::vector<float> fanfare() {
    const float up = 1.25f;
    std::vector<float> s((size_t)(2.7f * kRate));
    auto at = [&](float beat) { return beat * 0.16f / up; };
    auto hz = [&](int midi) { return noteHz(midi) * up; };
    addHorn(s, at(0), at(0.8f), hz(67), 0.5f);   // G4
    addHorn(s, at(1), at(0.8f), hz(72), 0.5f);   // C5
    addHorn(s, at(2), at(0.8f), hz(76), 0.5f);   // E5
    addHorn(s, at(3), at(2.6f), hz(79), 0.55f);  // G5, held
    addHorn(s, at(6), at(1.0f), hz(77), 0.45f);  // F5
    addHorn(s, at(7.2f), at(7.5f), hz(79), 0.45f);
    addHorn(s, at(7.2f), at(7.5f), hz(76), 0.35f);
    addHorn(s, at(7.2f), at(7.5f), hz(72), 0.35f);
    addHorn(s, at(7.2f), at(7.5f), hz(60), 0.3f);
    addBell(s, at(7.2f), hz(84), 0.25f, 2.0f);
    // A soft low drum under the resolving chord.
    int i0 = (int)(at(7.2f) * kRate);
    for (int i = i0; i < (int)s.size(); i++) {
        float t = (float)(i - i0) / kRate;
        s[i] += 0.6f * std::exp(-t * 7) * std::sin(2 * kPi * hz(36) * t * (1 + 0.3f * std::exp(-t * 20)));
    }
    for (size_t i = 0; i < s.size(); i++) s[i] *= 1 - smooth(2.4f, 2.7f, (float)i / kRate);
    return s;
}

}  // namespace

std::vector<uint8_t> synthSound(int which) {
    switch (which) {
        case 1: return wavBytes(introPad(), 0.42f);
        case 3: return wavBytes(fanfare(), 0.85f);
        case 5: return wavBytes(solvedChime(), 0.85f);
    }
    return {};
}

}  // namespace media
