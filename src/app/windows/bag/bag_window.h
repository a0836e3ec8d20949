// SPDX-License-Identifier: MIT
// The camera bag in the window: its submenus, its window and what their
// items and buttons do.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/settings/bag_text.h"
#include "ui/userint_extras.h"

// The context menu's "Use body", "Use lens" and "Camera bag" submenus, their
// ids from kFirstBagItem on; *labels keeps their text while the menu shows.
constexpr int kFirstBagItem = 1000;
void AddBagItems(std::vector<MenuItem>* items, std::vector<std::string>* labels);
// Does what the bag's item id says: a body's sensor into the fields, a lens
// chosen (its focal range and widest aperture taken where the panel is
// beyond them), the panel's camera or a lens from lensfun added, or an entry
// removed; the bag is saved at once.
void ChooseFromBag(int id);

// The camera bag window (Ctrl+B, or "Camera bag…"): the bag as text, with
// buttons that add the panel's camera or a lens from lensfun; made on first
// use, beside the panel, it follows every change to the bag.
void OpenBagWindow();
void RefreshBagWindow();
// What the window's buttons and the menu's items do; the bag is saved at once.
// Removing the body or lens in use leaves none in use.
void AddPanelBodyToBag();
// Adds a body unless one of its name is in the bag already (false then);
// *said tells which, as the user reads it.
bool AddBodyToBag(const BagBody& body, std::string* said);
// The same for a lens of lensfun's, by its name there.
bool AddLensfunLensToBag(const std::string& name, std::string* said);
void AddLensToBag();
void RemoveBody(std::size_t index);
// Asks for a lens's minimum focus distance and pupil magnification; the lens
// in use passes its pupil on to every pupil field.
void EditLensDetails();
void RemoveLens(std::size_t index);
// After the pins changed: the comparison and the bag window show it at once.
void ShowPinsIf(bool changed);
