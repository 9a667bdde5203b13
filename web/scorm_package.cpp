// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "scorm_package.h"

#include "page_parts.h"
#include "web_page.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QList>
#include <QSaveFile>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <zip.h>
#include <zlib.h>

namespace web {

namespace {

// Packages keep no date of their own, so that the same puzzle makes the same file: every entry
// is dated 1980-01-01 00:00, the first day that a zip can tell.
constexpr zip_uint16_t noTime = 0;
constexpr zip_uint16_t noDate = (1 << 5) | 1;

// The functions of libzip that a package needs. The library is loaded when the first package is
// written, not when the program starts: it brings a cryptography library whose linking would
// cost every start-up.
struct Libzip
{
    decltype(&zip_error_init) error_init = nullptr;
    decltype(&zip_error_strerror) error_strerror = nullptr;
    decltype(&zip_source_buffer_create) source_buffer_create = nullptr;
    decltype(&zip_source_keep) source_keep = nullptr;
    decltype(&zip_source_free) source_free = nullptr;
    decltype(&zip_open_from_source) open_from_source = nullptr;
    decltype(&zip_source_buffer) source_buffer = nullptr;
    decltype(&zip_file_add) file_add = nullptr;
    decltype(&zip_file_set_dostime) file_set_dostime = nullptr;
    decltype(&zip_get_error) get_error = nullptr;
    decltype(&zip_close) close = nullptr;
    decltype(&zip_discard) discard = nullptr;
    decltype(&zip_source_open) source_open = nullptr;
    decltype(&zip_source_seek) source_seek = nullptr;
    decltype(&zip_source_tell) source_tell = nullptr;
    decltype(&zip_source_read) source_read = nullptr;
    decltype(&zip_source_close) source_close = nullptr;
    decltype(&zip_source_error) source_error = nullptr;
};

// libzip, or what kept it from loading.
const Libzip *loadedLibzip(QString *error)
{
    static QLibrary library(QStringLiteral("zip"), 4); // libzip.so.4, zip.dll
    static const std::optional<Libzip> loaded = []() -> std::optional<Libzip> {
        Libzip zip;
        const auto resolve = [](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            return function != nullptr;
        };
        if (!library.load() || !resolve(zip.error_init, "zip_error_init") ||
            !resolve(zip.error_strerror, "zip_error_strerror") ||
            !resolve(zip.source_buffer_create, "zip_source_buffer_create") ||
            !resolve(zip.source_keep, "zip_source_keep") ||
            !resolve(zip.source_free, "zip_source_free") ||
            !resolve(zip.open_from_source, "zip_open_from_source") ||
            !resolve(zip.source_buffer, "zip_source_buffer") ||
            !resolve(zip.file_add, "zip_file_add") ||
            !resolve(zip.file_set_dostime, "zip_file_set_dostime") ||
            !resolve(zip.get_error, "zip_get_error") || !resolve(zip.close, "zip_close") ||
            !resolve(zip.discard, "zip_discard") || !resolve(zip.source_open, "zip_source_open") ||
            !resolve(zip.source_seek, "zip_source_seek") ||
            !resolve(zip.source_tell, "zip_source_tell") ||
            !resolve(zip.source_read, "zip_source_read") ||
            !resolve(zip.source_close, "zip_source_close") ||
            !resolve(zip.source_error, "zip_source_error")) {
            return std::nullopt;
        }
        return zip;
    }();
    if (!loaded) {
        *error = library.errorString();
        return nullptr;
    }
    return &*loaded;
}

// The files, each a name and its bytes, as one zip archive in memory. On failure the bytes are
// empty and `error` says why.
QByteArray zipped(const QList<std::pair<QString, QByteArray>> &files, QString *error)
{
    const Libzip *zip = loadedLibzip(error);
    if (zip == nullptr) {
        return {};
    }
    const auto failed = [&](zip_error_t *why) {
        *error = QString::fromUtf8(zip->error_strerror(why));
        return QByteArray();
    };
    zip_error_t failure;
    zip->error_init(&failure);
    const std::unique_ptr<zip_source_t, decltype(zip->source_free)> memory(
        zip->source_buffer_create(nullptr, 0, 0, &failure), zip->source_free);
    if (!memory) {
        return failed(&failure);
    }
    zip->source_keep(memory.get()); // the archive frees it once; the bytes are read after that
    std::unique_ptr<zip_t, decltype(zip->discard)> archive(
        zip->open_from_source(memory.get(), ZIP_TRUNCATE, &failure), zip->discard);
    if (!archive) {
        return failed(&failure);
    }
    for (const auto &[name, bytes] : files) {
        zip_source_t *data = zip->source_buffer(archive.get(), bytes.constData(),
                                                static_cast<zip_uint64_t>(bytes.size()), 0);
        const zip_int64_t entry =
            data != nullptr
                ? zip->file_add(archive.get(), name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8)
                : -1;
        if (entry < 0) {
            zip->source_free(data); // the archive took it only if it added the file
            return failed(zip->get_error(archive.get()));
        }
        if (zip->file_set_dostime(archive.get(), static_cast<zip_uint64_t>(entry), noTime, noDate,
                                  0) < 0) {
            return failed(zip->get_error(archive.get()));
        }
    }
    if (zip->close(archive.get()) < 0) {
        return failed(zip->get_error(archive.get()));
    }
    static_cast<void>(archive.release()); // zip_close freed it
    QByteArray bytes;
    if (zip->source_open(memory.get()) < 0 || zip->source_seek(memory.get(), 0, SEEK_END) < 0) {
        return failed(zip->source_error(memory.get()));
    }
    bytes.resize(static_cast<qsizetype>(zip->source_tell(memory.get())));
    zip->source_seek(memory.get(), 0, SEEK_SET);
    const zip_int64_t read =
        zip->source_read(memory.get(), bytes.data(), static_cast<zip_uint64_t>(bytes.size()));
    zip->source_close(memory.get());
    if (read != bytes.size()) {
        return failed(zip->source_error(memory.get()));
    }
    return bytes;
}

QString xmlEscaped(const std::string &text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

} // namespace

QString PackageIdentifier(const board::Exercise &exercise)
{
    // The puzzle as the page carries it names the package: the same puzzle, the same name.
    const QByteArray puzzle = parts::exerciseData(exercise).toUtf8();
    const uLong sum =
        crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef *>(puzzle.constData()),
              static_cast<uInt>(puzzle.size()));
    return QStringLiteral("acronym-%1").arg(sum, 8, 16, QChar(u'0'));
}

QString ScormManifest(const board::Exercise &exercise)
{
    return parts::filled(parts::piecesOf(parts::resource(QStringLiteral("web/imsmanifest.xml"))),
                         {{QStringLiteral("IDENTIFIER"), PackageIdentifier(exercise)},
                          {QStringLiteral("TITLE"), xmlEscaped(exercise.title)}})
        .join(QString());
}

QString WriteScormPackage(const board::Exercise &exercise, const QString &path)
{
    QString error;
    const QByteArray package =
        zipped({{QStringLiteral("imsmanifest.xml"), ScormManifest(exercise).toUtf8()},
                {QString::fromLatin1(scormPage), WebPage(exercise).toUtf8()}},
               &error);
    QSaveFile file(path);
    if (package.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(package) < 0 ||
        !file.commit()) {
        return QCoreApplication::translate("web", R"(cannot write "%1": %2)")
            .arg(path, error.isEmpty() ? file.errorString() : error);
    }
    return {};
}

} // namespace web
