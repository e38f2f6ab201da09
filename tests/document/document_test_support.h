#pragma once
// Shared helpers of the document tests: the pattern the corpus pictures show, file helpers and
// a way to run a piece of a test as an ordinary user (the tests may run as root, whom file
// permissions do not stop).

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

namespace nabrilo {
class TForm_Main;
}

namespace nabrilo::test {

// The pattern every BMP in corpus/ shows (make_corpus.py draws it byte by byte): 23 × 13 in
// black, white, red and blue; the 1-bit file has a black and white pattern of its own.
QImage CorpusPattern();
QImage CorpusPattern1Bit();
// The colour the JPEGs in corpus/ show in the 16 × 16 block at (bx, by).
QRgb CorpusJpegBlock(int bx, int by);

// The window as after loading a corpus BMP: the pattern shown at its size, the window sized to
// it (never below its smallest size) and the size label.
void ExpectCorpusPatternLoaded(const TForm_Main& form);

QString CorpusPath(const QString& name);
QByteArray ReadFileBytes(const QString& path);
bool WriteFileBytes(const QString& path, const QByteArray& bytes);

// A picture with some drawing on it: every pixel differs from its neighbours.
QImage Drawing(int w, int h, unsigned seed = 1);

// Runs `body` in a child process (limits it sets end with it), with the ids of the unprivileged
// user `nobody` when the test runs as root; true when `body` returned true.
bool RunAsOrdinaryUser(const std::function<bool()>& body);
bool RunningAsRoot();

// Names of the files in `dir` (hidden ones included), sorted.
QStringList FilesIn(const QString& dir);

}  // namespace nabrilo::test
