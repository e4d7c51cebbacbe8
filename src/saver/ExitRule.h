#pragma once

// When a moving mouse ends the full-screen saver: only a move of more than
// tolerance pixels from where the pointer stood at start. The first move is
// the one the system reports when the window appears under a still pointer,
// and never counts.
class ExitRule {
public:
    static constexpr int tolerance = 10;

    ExitRule(int startX, int startY);

    // Whether the pointer now at x, y ends the saver.
    bool endsOnMove(int x, int y);

private:
    int m_startX;
    int m_startY;
    bool m_firstMoveSeen = false;
};
