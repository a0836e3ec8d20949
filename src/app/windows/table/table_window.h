// SPDX-License-Identifier: MIT
#pragma once

// The table window (Ctrl+T): made on first use, beside the panel; it follows
// the live setup, remade when its camera or preferences change.
void OpenTableWindow();
void RefreshTableWindow();
