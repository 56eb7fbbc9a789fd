#pragma once
// The translations of vexamo-cli's messages and help, compiled from po/*.po at build time
// (tools/message_table_maker.cpp).
#include <span>

struct MessageTranslation {
    const char* english; // after "<context>\004" for a text whose translation depends on its use
    const char* translation;
};

struct MessageCatalogue {
    const char* language;                    // the catalogue's name: "de", "fr"
    std::span<const MessageTranslation> all; // sorted by the English text, byte by byte
};

// Every catalogue of the build.
std::span<const MessageCatalogue> MessageCatalogues();
