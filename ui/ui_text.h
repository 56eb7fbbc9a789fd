#pragma once
// The text catalogue's words as Qt strings, with their marks filled by the catalogue itself.
#include <QString>
#include <initializer_list>

#include "app/text_catalogue.h"

// The text of id.
QString UiText(TextId id);
// The text of id with "%1", "%2", ... replaced by the arguments in turn.
QString UiText(TextId id, std::initializer_list<QString> args);
