#pragma once

#include "compose/tagrequest.h"
#include "compose/tagtemplates.h"

#include <QString>

// Turns the user's entries into the block of meta tags to paste into the
// head of a page: every line preceded by a CR LF, nothing after the last.
// Pure: reads only its arguments.
QString composeTags(const TagRequest &request, const TagTemplates &templates);
