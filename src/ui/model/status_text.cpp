// SPDX-License-Identifier: MIT
// What each status of the runtime's calls means, in words for a message.
#include "ui/userint.h"

const char* GetUIErrorString(int status) {
    switch (status) {
        case UIENoError:
            return "no error";
        case UIENotInitialized:
            return "the runtime is not initialised";
        case UIENoDisplay:
            return "no display can be reached";
        case UIEBadPanelHandle:
            return "unknown panel";
        case UIEBadControlId:
            return "unknown control";
        case UIEBadAttribute:
            return "attribute not valid here";
        case UIEWrongType:
            return "value of the wrong type";
        case UIEBadValue:
            return "value out of range";
        case UIEFileNotFound:
            return "file not found";
        case UIEBadPanelFile:
            return "damaged panel file";
        case UIEResourceNotFound:
            return "panel not in file";
        case UIEBadBitmap:
            return "unknown or unusable bitmap";
        case UIEBufferTooSmall:
            return "text does not fit the buffer";
        case UIEFileWrite:
            return "file cannot be written";
        case UIEUnknownCallback:
            return "callback not registered";
        default:
            return "unknown status";
    }
}
