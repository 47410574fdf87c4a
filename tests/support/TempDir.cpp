// Temporary folders for tests.
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace restallow::test {

std::string TempDir::write(const QString& name, const std::string& bytes) const {
    const QString full = path(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    std::ofstream out(full.toStdString(), std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + full.toStdString());
    return full.toStdString();
}

std::string TempDir::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace restallow::test
