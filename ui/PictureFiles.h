// The file filter of every menu background picker: BMP and JPEG pictures in
// either letter case (camera files are often named in upper case).
#pragma once

inline constexpr const char* kPictureFilesFilter =
    "Picture Files(*.bmp;*.jpg;) (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG)";
