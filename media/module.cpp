// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's one entry; its header gives it C linkage, so that its name is plain.
#include "media/module.h"

const tessaly::media::ReadFilmFunction tessaly_read_film = &tessaly::media::ReadFilm;
