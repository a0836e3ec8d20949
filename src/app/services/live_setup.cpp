// SPDX-License-Identifier: MIT
// The live setup in use and its followers.
#include "services/live_setup.h"

#include <cmath>
#include <utility>
#include <vector>

#include "core/optics/circle_of_confusion.h"

namespace {

LiveSetup current = MakeLiveSetup(kFactorySettings, Preferences{}, std::nan(""));

std::vector<std::function<void(const LiveSetup&)>>& Followers() {
    static std::vector<std::function<void(const LiveSetup&)>> followers;
    return followers;
}

}  // namespace

LiveSetup MakeLiveSetup(const Settings& camera, const Preferences& preferences, double cursor) {
    return {camera,
            preferences,
            CocMillimetres(preferences.coc, camera),
            LensInUse(preferences.coc, camera),
            cursor,
            std::nan("")};
}

void PublishSetup(const LiveSetup& setup) {
    current = setup;
    for (const auto& follower : Followers()) {
        follower(current);
    }
}

const LiveSetup& CurrentSetup() {
    return current;
}

void Follow(std::function<void(const LiveSetup&)> follower) {
    Followers().push_back(std::move(follower));
}
