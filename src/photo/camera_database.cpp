// SPDX-License-Identifier: MIT
// lensfun's camera bodies and lenses, read from its database only when asked.
#include <lensfun/lensfun.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

#include "photo_reader.h"

namespace {

struct DatabaseDeleter {
    void operator()(lfDatabase* db) const { delete db; }
};
using Database = std::unique_ptr<lfDatabase, DatabaseDeleter>;

// The system's database, or the one file given.
Database Loaded(const char* file = nullptr) {
    Database db(new lfDatabase());
    return (file == nullptr ? db->Load() : db->Load(file)) == LF_NO_ERROR ? std::move(db) : nullptr;
}

std::string Name(const lfMLstr text) {
    const char* s = lf_mlstr_get(text);
    return s == nullptr ? "" : s;
}

// A figure as the database writes it ("1.525", "5.6"), not as its float holds it.
double Crop(float crop) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(crop));
    return std::strtod(text, nullptr);
}

// The maker before the model, unless the model starts with it already.
std::string LensName(const lfLens& lens) {
    const std::string maker = Name(lens.Maker), model = Name(lens.Model);
    return maker.empty() || model.compare(0, maker.size(), maker) == 0 ? model
                                                                       : maker + " " + model;
}

// Vignetting is calibrated at the apertures the lens has: the smallest
// f-number at each focal length is the widest there. Without it, the
// database's widest, at the short end.
std::vector<ApertureAt> Widest(const lfLens& lens) {
    std::map<double, double> widest;
    for (int i = 0; lens.CalibVignetting != nullptr && lens.CalibVignetting[i] != nullptr; ++i) {
        const double focal = Crop(lens.CalibVignetting[i]->Focal);
        const double f = Crop(lens.CalibVignetting[i]->Aperture);
        if (focal > 0 && f > 0 && (widest.count(focal) == 0 || f < widest[focal])) {
            widest[focal] = f;
        }
    }
    if (widest.empty() && lens.MinAperture > 0) {
        widest[Crop(lens.MinFocal)] = Crop(lens.MinAperture);
    }
    std::vector<ApertureAt> list;
    for (const auto& at : widest) {
        list.push_back({at.first, at.second});
    }
    return list;
}

}  // namespace

void LookUpCamera(PhotoFacts* facts) {
    const std::string make = TrimmedAscii(facts->make), model = TrimmedAscii(facts->model);
    if (make.empty() || model.empty()) {
        return;
    }
    const Database db = Loaded();
    if (!db) {
        return;
    }
    const lfCamera** found = db->FindCameras(make.c_str(), model.c_str());
    const lfCamera* camera = found != nullptr ? found[0] : nullptr;
    if (camera != nullptr) {
        facts->crop = Crop(camera->CropFactor);
        facts->databaseMaker = Name(camera->Maker);
        facts->databaseModel = Name(camera->Model);
    }
    const std::string lensModel = TrimmedAscii(facts->lensModel);
    // lensfun's own matching, as it spells the lens ("F3.5-5.6" is "f/3.5-5.6").
    const lfLens** lenses =
        lensModel.empty() ? nullptr : db->FindLenses(camera, nullptr, lensModel.c_str());
    if (lenses != nullptr && lenses[0] != nullptr) {
        facts->databaseLens = LensName(*lenses[0]);
    }
    lf_free(lenses);
    lf_free(found);
}

std::vector<CameraBody> AllCameraBodies() {
    std::vector<CameraBody> bodies;
    const Database db = Loaded();
    if (!db) {
        return bodies;
    }
    const lfCamera* const* cameras = db->GetCameras();
    for (int i = 0; cameras != nullptr && cameras[i] != nullptr; ++i) {
        if (cameras[i]->CropFactor > 0) {
            bodies.push_back(
                {Name(cameras[i]->Maker), Name(cameras[i]->Model), Crop(cameras[i]->CropFactor)});
        }
    }
    return bodies;
}

std::vector<BagLens> AllLenses(const char* file) {
    std::vector<BagLens> lenses;
    const Database db = Loaded(file);
    const lfLens* const* all = db ? db->GetLenses() : nullptr;
    for (int i = 0; all != nullptr && all[i] != nullptr; ++i) {
        const lfLens& l = *all[i];
        if (l.MinFocal > 0) {
            BagLens lens;
            lens.name = LensName(l);
            lens.mount = l.Mounts != nullptr && l.Mounts[0] != nullptr ? l.Mounts[0] : "";
            lens.cropFactor = Crop(l.CropFactor);
            lens.minFocalMm = Crop(l.MinFocal);
            lens.maxFocalMm = l.MaxFocal > l.MinFocal ? Crop(l.MaxFocal) : lens.minFocalMm;
            lens.widest = Widest(l);
            lens.smallest = l.MaxAperture > 0 ? Crop(l.MaxAperture) : 0;
            lenses.push_back(lens);
        }
    }
    return lenses;
}
