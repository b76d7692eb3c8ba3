#pragma once

#include "compose/tagtemplates.h"

#include <QString>

// What the composer reads from the main window: the user's texts as typed,
// the lists' current texts, and the check boxes' states (only 1 is ticked).
struct TagRequest
{
    QString title;
    QString author;
    QString description;
    QString keywords;
    QString replyTo;
    QString language;
    QString rating;
    QString robots;
    QString revisit;
    int noIndexPage = 0;
    int noImageIndex = 0;
    int noFrames = 0;
    int noCache = 0;
};

struct OptionLine
{
    int TagRequest::*option;
    TemplateField line;
};

// The yes/no options in the order they are emitted: the first two stand
// after the author line, the last two before the closing comment.
inline constexpr std::array<OptionLine, 4> OptionLines{{
    {&TagRequest::noFrames, &TagTemplates::Text23},
    {&TagRequest::noCache, &TagTemplates::Text24},
    {&TagRequest::noIndexPage, &TagTemplates::Text21},
    {&TagRequest::noImageIndex, &TagTemplates::Text22},
}};
