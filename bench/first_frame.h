// Ends the event loop once the first window with the panel's title has been
// painted: the start-up benchmark's finish line.
#pragma once

void QuitAfterFirstPaint();
