// SPDX-License-Identifier: MIT
#pragma once

// A camera from a photo (the file dialog, a drop, the command line): its
// values go into the fields as if typed and confirmed, Redraw runs once, the
// cursor goes to the subject's distance, and a summary says what came from
// where and what was left as it was. A photo that cannot be read changes
// nothing and says why.
void OpenPhotoFromDialog();
void LoadPhoto(const char* path);
// The sensor size of a body chosen from the camera database.
void ChooseCameraModel();
