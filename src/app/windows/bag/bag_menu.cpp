// SPDX-License-Identifier: MIT
// The camera bag in the context menu: a body or a lens in use in one step,
// the panel's camera or a lens from lensfun added, an entry removed.
#include <algorithm>
#include <string>
#include <vector>

#include "core/optics/full_frame.h"
#include "core/settings/lens_search.h"
#include "core/settings/sensor_presets.h"
#include "core/text/text_format.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "services/camera/bag.h"
#include "services/keys.h"
#include "services/live_setup.h"
#include "services/photo.h"
#include "windows/bag/bag_window.h"
#include "windows/frame/side_window.h"

namespace {

enum : int {
    kUseBody = kFirstBagItem,
    kUseLens,
    kBagMenu,
    kNoLens,
    kAddBody,
    kAddLens,
    kOpenWindow,
    kNoBody,
    kFirstBody = kFirstBagItem + 100,
    kFirstLens = kFirstBagItem + 200,
    kFirstRemoveBody = kFirstBagItem + 300,
    kFirstRemoveLens = kFirstBagItem + 400,
};

void SaveBag() {
    WriteBagFile();
    RefreshBagWindow();
}

// Each kind has a hundred ids; a bag edited by hand to hold more shows its
// first hundred, so no id ever reaches another kind's.
template <typename T>
std::size_t InMenu(const std::vector<T>& entries) {
    return std::min<std::size_t>(entries.size(), 100);
}

// A name with a tick when it is the one in use.
std::string Marked(const std::string& name, const std::string& chosen) {
    return name == chosen ? name + " \u2713" : name;
}

struct Row {
    int id;
    int parent;
    std::string label;
};

std::vector<Row> BagRows() {
    std::vector<Row> rows{{kUseBody, 0, "Use body"}, {kUseLens, 0, "Use lens"}};
    for (std::size_t i = 0; i < InMenu(bag.bodies); ++i) {
        rows.push_back({kFirstBody + static_cast<int>(i), kUseBody,
                        Marked(bag.bodies[i].name, bag.chosenBody)});
    }
    if (bag.bodies.empty()) {
        rows.push_back({kNoBody, kUseBody, "None yet: Camera bag, Add this camera\u2026"});
    }
    rows.push_back({kNoLens, kUseLens, "No lens"});
    for (std::size_t i = 0; i < InMenu(bag.lenses); ++i) {
        rows.push_back({kFirstLens + static_cast<int>(i), kUseLens,
                        Marked(bag.lenses[i].name, bag.chosenLens)});
    }
    rows.push_back({kBagMenu, 0, "Camera bag"});
    rows.push_back({kOpenWindow, kBagMenu, MenuLabel(Action::Bag)});
    rows.push_back({kAddBody, kBagMenu, "Add this camera\u2026"});
    rows.push_back({kAddLens, kBagMenu, "Add a lens from lensfun\u2026"});
    for (std::size_t i = 0; i < InMenu(bag.bodies); ++i) {
        rows.push_back({kFirstRemoveBody + static_cast<int>(i), kBagMenu,
                        "Remove \u201c" + bag.bodies[i].name + "\u201d"});
    }
    for (std::size_t i = 0; i < InMenu(bag.lenses); ++i) {
        rows.push_back({kFirstRemoveLens + static_cast<int>(i), kBagMenu,
                        "Remove \u201c" + bag.lenses[i].name + "\u201d"});
    }
    return rows;
}

// Where the panel is beyond the lens, its nearest focal length and its
// widest aperture there; then one recalculation, and its pupil magnification.
void UseLens(int index) {
    bag.chosenLens = index >= 0 ? bag.lenses[static_cast<std::size_t>(index)].name : "";
    SaveBag();
    if (index >= 0) {
        const Settings& camera = CurrentSetup().camera;
        double focal = camera.focal;
        double aperture = camera.aperture;
        FitToLens(bag.lenses[static_cast<std::size_t>(index)], &focal, &aperture);
        SetCtrlVal(panelHandle, PANEL_FOCAL, focal);
        if (aperture != camera.aperture) {
            SetCtrlVal(panelHandle, PANEL_APERTURE, aperture);
        }
    }
    Redraw(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);
    if (index >= 0) {
        SetPupil(bag.lenses[static_cast<std::size_t>(index)].pupilMagnification);
    }
}

}  // namespace

void AddPanelBodyToBag() {
    std::string name = TextFormat("Body %zu", bag.bodies.size() + 1);
    if (PromptPopupText("kadrel", "A name for this camera in the bag:", &name) != 1 ||
        name.find_first_not_of(" \t") == std::string::npos) {
        return;
    }
    std::string said;
    const Settings& s = CurrentSetup().camera;
    if (!AddBodyToBag({name, s.xsize, s.ysize, s.xresol, s.yresol}, &said)) {
        MessagePopup("kadrel", said.c_str());
    }
}

namespace {

// Whether an entry of that name is in the bag, which *said then tells.
template <typename T>
bool InBag(const std::vector<T>& entries, const std::string& name, std::string* said) {
    const bool found =
        std::any_of(entries.begin(), entries.end(), [&name](const T& e) { return e.name == name; });
    *said = found ? "\u201c" + name + "\u201d is in the camera bag already." : "";
    return found;
}

// lensfun's lenses, read once, when first asked, by the photo helper; the
// user is told when it cannot be read, and nullptr comes back.
const std::vector<BagLens>* Lensfun() {
    static std::vector<BagLens> lensfun;
    char helper[MAX_PATHNAME_LEN];
    if (lensfun.empty() &&
        (!FindPhotoHelper(helper) || !ReadLensesWith(helper, nullptr, &lensfun))) {
        MessagePopup("kadrel", "kadrel could not read the lens database (lensfun).");
        return nullptr;
    }
    return &lensfun;
}

}  // namespace

bool AddBodyToBag(const BagBody& body, std::string* said) {
    if (InBag(bag.bodies, body.name, said)) {
        return false;
    }
    bag.bodies.push_back(body);
    SaveBag();
    *said = "Added to the camera bag: " + body.name + ", " +
            SensorText(body.xsizeMm, body.ysizeMm, body.xresol, body.yresol) + ".";
    return true;
}

bool AddLensfunLensToBag(const std::string& name, std::string* said) {
    if (InBag(bag.lenses, name, said)) {
        return false;
    }
    if (const std::vector<BagLens>* lensfun = Lensfun()) {
        for (const BagLens& l : *lensfun) {
            if (l.name == name) {
                bag.lenses.push_back(l);
                SaveBag();
                *said = "Added to the camera bag: " + name + ".";
                return true;
            }
        }
    }
    *said = "The lens database has no lens \u201c" + name + "\u201d.";
    return false;
}

// Lenses that surely cover the panel's sensor come first.
void AddLensToBag() {
    const std::vector<BagLens>* lensfun = Lensfun();
    if (lensfun == nullptr) {
        return;
    }
    const std::vector<std::size_t> order = FindLenses(
        *lensfun, "", CropFactor(CurrentSetup().camera.xsize, CurrentSetup().camera.ysize));
    std::vector<std::string> labels;
    for (std::size_t i : order) {
        const BagLens& l = (*lensfun)[i];
        labels.push_back(l.mount.empty() ? l.name : l.name + " \u2014 " + l.mount);
    }
    int chosen = -1;
    if (PromptPopupChoice("Add a lens", "Lenses by name; those for this sensor first:", labels,
                          &chosen) == 1) {
        bag.lenses.push_back((*lensfun)[order[static_cast<std::size_t>(chosen)]]);
        SaveBag();
    }
}

namespace {

void UseBody(int index) {
    const BagBody& b = bag.bodies[static_cast<std::size_t>(index)];
    bag.chosenBody = b.name;
    SaveBag();
    PutSensor(b.xsizeMm, b.ysizeMm, b.xresol, b.yresol);
}

}  // namespace

void RemoveBody(std::size_t index) {
    if (bag.bodies[index].name == bag.chosenBody) {
        bag.chosenBody.clear();
    }
    bag.bodies.erase(bag.bodies.begin() + static_cast<std::ptrdiff_t>(index));
    SaveBag();
}

void RemoveLens(std::size_t index) {
    if (bag.lenses[index].name == bag.chosenLens) {
        bag.chosenLens.clear();
    }
    bag.lenses.erase(bag.lenses.begin() + static_cast<std::ptrdiff_t>(index));
    SaveBag();
    Redraw(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);
}

void AddBagItems(std::vector<MenuItem>* items, std::vector<std::string>* labels) {
    const std::vector<Row> rows = BagRows();
    labels->clear();
    for (const Row& r : rows) {
        labels->push_back(r.label);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        items->push_back({rows[i].id, (*labels)[i].c_str(), rows[i].parent, rows[i].id == kNoBody});
    }
}

void ChooseFromBag(int id) {
    if (id >= kFirstRemoveLens) {
        RemoveLens(static_cast<std::size_t>(id - kFirstRemoveLens));
    } else if (id >= kFirstRemoveBody) {
        RemoveBody(static_cast<std::size_t>(id - kFirstRemoveBody));
    } else if (id >= kFirstLens) {
        UseLens(id - kFirstLens);
    } else if (id >= kFirstBody) {
        UseBody(id - kFirstBody);
    } else if (id == kNoLens) {
        UseLens(-1);
    } else if (id == kAddBody) {
        AddPanelBodyToBag();
    } else if (id == kOpenWindow) {
        OpenBagWindow();
    } else if (id == kAddLens) {
        AddLensToBag();
    }
}
