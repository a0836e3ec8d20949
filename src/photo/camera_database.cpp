// SPDX-License-Identifier: MIT
// lensfun's camera bodies, read from its database only when asked.
#include <lensfun/lensfun.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "photo_reader.h"

namespace {

struct DatabaseDeleter {
    void operator()(lfDatabase* db) const { delete db; }
};
using Database = std::unique_ptr<lfDatabase, DatabaseDeleter>;

Database Loaded() {
    Database db(new lfDatabase());
    return db->Load() == LF_NO_ERROR ? std::move(db) : nullptr;
}

std::string Name(const lfMLstr text) {
    const char* s = lf_mlstr_get(text);
    return s == nullptr ? "" : s;
}

// The crop factor as the database writes it ("1.525"), not as its float holds it.
double Crop(float crop) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(crop));
    return std::strtod(text, nullptr);
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
    if (found != nullptr && found[0] != nullptr) {
        facts->crop = Crop(found[0]->CropFactor);
        facts->databaseMaker = Name(found[0]->Maker);
        facts->databaseModel = Name(found[0]->Model);
    }
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
