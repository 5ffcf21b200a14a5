#pragma once

class DialogBuilder;

// The builder of every window and page of the editor: it makes the styled
// buttons, group boxes and links in place of Qt's plain ones.
class StyledBuilder {
public:
    static const DialogBuilder& get();
};
