#pragma once

#include "pattern/PatternState.h"
#include "pattern/Picture.h"
#include "pattern/PixelRect.h"

namespace kaleidra {

class FigureLog;
class RandomSource;

// The pattern state, its picture and the run cycle, without any window:
// the main window calls these from its handlers and shows what changed.
class PatternEngine {
public:
    // Given a log, notes in it every figure drawn since the picture was last
    // cleared, so that they can be drawn again.
    explicit PatternEngine(RandomSource &random, FigureLog *figures = nullptr);

    void load();
    // Starts a run when idle (clears the picture, draws fresh parameters 1–9
    // for each term) or ends it; returns whether a run is now on.
    bool toggleRun();
    // One timer tick: a step of the run when one is on. Returns the picture
    // area changed since the last call (also covering a clear by toggleRun).
    PixelRect tick();
    // One step: extraNudgePasses + 1 passes of random ±1 nudges, clamping, then a pattern.
    void stepPattern();

    PatternState &state() { return m_state; }
    const PatternState &state() const { return m_state; }
    Picture &picture() { return m_picture; }
    const Picture &picture() const { return m_picture; }

private:
    void nudgeParameters();
    void clampParameters();

    RandomSource &m_random;
    FigureLog *m_figures;
    PatternState m_state;
    Picture m_picture;
};

} // namespace kaleidra
