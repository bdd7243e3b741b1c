// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Scoring.h"

namespace game {

void scoreRow(Code &guess, Code &work, const Code &secret, int places,
    const std::function<void(Marker, int k)> &lay)
{
    int k = 1;
    for (int i = 1; i <= places; ++i) {
        work[i] = secret[i];
        if (guess[i] == secret[i]) {
            lay(Marker::Hit, k);
            ++k;
            guess[i] = 0;
            work[i] = 0;
        }
    }
    // A consumed cell is 0 on both sides; the product keeps two of them from matching. Every j
    // is tried even after a match, and the guess cell, now 0, matches nothing more.
    for (int i = 1; i <= places; ++i) {
        for (int j = 1; j <= places; ++j) {
            if (guess[i] == work[j] && guess[i] * work[j] > 0) {
                lay(Marker::Near, k);
                ++k;
                guess[i] = 0;
                work[j] = 0;
            }
        }
    }
}

} // namespace game
