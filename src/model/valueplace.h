#pragma once

// Where one value's text stands in the bytes of the file it was read from, so that a save replaces
// that text and nothing else.
struct TValuePlace
{
    enum TKind
    {
        PLACE_TEXT = 0,          // the value's text itself
        PLACE_CDATA = 1,         // a CDATA section that holds the text, its markup included
        PLACE_EMPTY_ELEMENT = 2, // the "/>" that ends an element written without content, <Value/>
        PLACE_NO_TEXT = 3,       // where the content of an element without text starts, with its blanks
        PLACE_NONE = 4           // nowhere a text can go: a processing instruction read as a value
    };

    int offset = 0; // in bytes from the start of the file
    int length = 0;
    TKind kind = PLACE_TEXT;
    // For an empty element, the position of its name as the file writes it among the source's element
    // names: the end tag it needs once it holds a text.
    int element_name = -1;
};
