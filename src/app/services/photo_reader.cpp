// SPDX-License-Identifier: MIT
// Runs kadrel-photo and reads its answer, with a wall-clock limit.
#include <sstream>

#include "services/photo.h"

#include "services/locations.h"

bool ReadPhotoWith(const char* helper, const char* path, PhotoCamera* camera, std::string* why,
                   HelperRunner run) {
    const char* argv[] = {helper, path, nullptr};
    std::string answer;
    const HelperOutcome outcome = run(argv, kPhotoReaderSeconds * 1000, &answer);
    if (ParsePhotoProtocol(answer, camera, why) && outcome == HelperOutcome::kFinished) {
        return true;
    }
    if (outcome == HelperOutcome::kTimedOut) {
        *why = "reading it took too long";
    } else if (outcome == HelperOutcome::kCancelled) {
        *why = kCancelledRead;
    } else if (why->empty()) {
        *why = "the photo reader failed on it";
    }
    return false;
}

bool ReadCameraBodiesWith(const char* helper, std::vector<CameraBody>* bodies) {
    const char* argv[] = {helper, "--cameras", nullptr};
    std::string answer;
    return RunHelper(argv, kPhotoReaderSeconds * 1000, &answer) == HelperOutcome::kFinished &&
           ParseCameraList(answer, bodies) && !bodies->empty();
}

bool ReadLensesWith(const char* helper, const char* database, std::vector<BagLens>* lenses) {
    const char* argv[] = {helper, "--lenses", database, nullptr};
    std::string answer;
    BagReader reader;
    if (RunHelper(argv, kPhotoReaderSeconds * 1000, &answer) == HelperOutcome::kFinished) {
        std::istringstream lines(answer);
        for (std::string line; std::getline(lines, line);) {
            reader.Line(line.c_str());
        }
    }
    *lenses = reader.Result().lenses;
    return !lenses->empty();
}

bool FindPhotoHelper(char (&helper)[MAX_PATHNAME_LEN]) {
    char programDir[MAX_PATHNAME_LEN] = "";
    GetProjectDir(programDir);
    return LocatePhotoHelper(programDir, helper);
}
