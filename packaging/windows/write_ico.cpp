// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Writes the window's trefoil icon as a Windows .ico file for the executables' resources and
// the installer: write_ico <file.ico>. Each size is stored as a PNG image, which Windows
// reads from Vista on; the sizes are those Explorer, the Start menu and the task bar ask for.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <array>
#include <cstdint>
#include <cstdio>

#include "ui/widgets/artwork.h"

namespace {

constexpr std::array kSizes{16, 24, 32, 48, 64, 256};

void PutLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_ico <file.ico>\n");
        return 2;
    }
    std::array<QByteArray, kSizes.size()> images;
    for (std::size_t i = 0; i < kSizes.size(); ++i) {
        QBuffer buffer(&images[i]);
        buffer.open(QIODevice::WriteOnly);
        if (!tessaly::ui::TrefoilPixmap(kSizes[i]).save(&buffer, "PNG")) {
            std::fprintf(stderr, "cannot draw the icon at %d pixels\n", kSizes[i]);
            return 1;
        }
    }

    // The icon directory, one 16-byte entry per image, then the images themselves.
    QByteArray ico;
    PutLittleEndian(ico, 0, 2);  // reserved
    PutLittleEndian(ico, 1, 2);  // an icon, not a cursor
    PutLittleEndian(ico, kSizes.size(), 2);
    auto offset = static_cast<std::uint32_t>(6 + 16 * kSizes.size());
    for (std::size_t i = 0; i < kSizes.size(); ++i) {
        const auto side = static_cast<std::uint32_t>(kSizes[i] % 256);  // 0 stands for 256
        PutLittleEndian(ico, side, 1);
        PutLittleEndian(ico, side, 1);
        PutLittleEndian(ico, 0, 1);   // no palette
        PutLittleEndian(ico, 0, 1);   // reserved
        PutLittleEndian(ico, 1, 2);   // colour planes
        PutLittleEndian(ico, 32, 2);  // bits per pixel
        const auto length = static_cast<std::uint32_t>(images[i].size());
        PutLittleEndian(ico, length, 4);
        PutLittleEndian(ico, offset, 4);
        offset += length;
    }
    for (const QByteArray& image : images)
        ico.append(image);

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
