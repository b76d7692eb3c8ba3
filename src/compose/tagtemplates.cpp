#include "compose/tagtemplates.h"

const std::array<TemplateField, 18> TemplateFields{
    &TagTemplates::Text7,  &TagTemplates::Text8,  &TagTemplates::Text9,  &TagTemplates::Text10,
    &TagTemplates::Text11, &TagTemplates::Text12, &TagTemplates::Text13, &TagTemplates::Text14,
    &TagTemplates::Text15, &TagTemplates::Text16, &TagTemplates::Text17, &TagTemplates::Text18,
    &TagTemplates::Text19, &TagTemplates::Text20, &TagTemplates::Text21, &TagTemplates::Text22,
    &TagTemplates::Text23, &TagTemplates::Text24,
};
