#pragma once
// Qt's image reader refuses pictures above one allocation limit that holds for the whole
// process (128 MB by default). Setting it per picture would let a small picture's limit refuse
// the next large one, so it is set once, high enough for the largest picture the program takes
// in (100 million pixels at the 8 bytes a 16-bit PNG decodes to); each path checks the
// program's own limits from the picture's header before reading it.

#include <QImageReader>

namespace nabrilo {

inline constexpr int kPictureReaderLimitMb = 1024;

// Called before every read through Qt's image reader; setting the same value again is harmless.
inline void AdmitProgramPictureSizes() {
  QImageReader::setAllocationLimit(kPictureReaderLimitMb);
}

}  // namespace nabrilo
