// A temporary folder for a test, with helpers to write and read files in it.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <string>

namespace restallow::test {

class TempDir {
public:
    QString path(const QString& name) const { return dir_.filePath(name); }
    std::string stdPath(const QString& name) const { return path(name).toStdString(); }
    // Writes bytes to the named file (folders are made) and returns its full path.
    std::string write(const QString& name, const std::string& bytes) const;
    static std::string read(const std::string& path);

private:
    QTemporaryDir dir_;
};

}  // namespace restallow::test
