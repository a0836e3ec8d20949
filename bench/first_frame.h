// Ends the event loop once the first window titled "K A D R E L" has been
// painted: the start-up benchmark's finish line.
#pragma once

void QuitAfterFirstPaint();
