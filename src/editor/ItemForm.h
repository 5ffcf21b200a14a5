#pragma once

#include "editor/ControlText.h"
#include "model/BlockText.h"
#include "platform/DialogControls.h"
#include "platform/TextCodec.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

// One field of an item that an item dialog edits: the control's id, and how
// the field becomes the control's text and back.
template <class T> struct ItemField {
    int id;
    std::function<QString(const T&)> get;
    std::function<void(T&, const QString&)> set;
};

// The item an item dialog edits and the controls of its fields. take()
// reads back only the fields whose controls no longer show what show() put
// there: an item the user did not change comes back as it was, bytes and
// all, and so does every field the dialog has no control for.
template <class T> class ItemForm {
public:
    using Fields = std::vector<ItemField<T>>;

    // A field held in a text member; `lines` for a multi-line control.
    static ItemField<T> text(int id, std::string T::*member, bool lines = false) {
        return {id,
                [member, lines](const T& item) {
                    return lines ? TextCodec::decodeLines(item.*member)
                                 : TextCodec::decode(item.*member);
                },
                [member, lines](T& item, const QString& text) {
                    item.*member = lines ? TextCodec::encodeLines(text) : TextCodec::encode(text);
                }};
    }
    // A field held in a block text member, shown in a multi-line control.
    static ItemField<T> block(int id, BlockText T::*member) {
        return {id,
                [member](const T& item) { return TextCodec::decodeLines((item.*member).text()); },
                [member](T& item, const QString& text) {
                    (item.*member).setText(TextCodec::encodeLines(text));
                }};
    }

    ItemForm() = default;
    ItemForm(const DialogControls& controls, Fields fields) : m_fields(std::move(fields)) {
        for (const ItemField<T>& field : m_fields) {
            m_controls.push_back(controls.widget(field.id));
        }
        remember();
    }

    void show(const T& item) {
        m_item = item;
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            ControlText::show(m_controls[i], m_fields[i].get(item));
        }
        remember();
    }

    const T& item() const { return m_item; }
    // For what the dialog edits without a field of its own.
    T& item() { return m_item; }

    // Whether a control shows another text than show() put there.
    bool changed() const {
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            if (changedAt(i)) {
                return true;
            }
        }
        return false;
    }
    // The same for the field shown by control `id`.
    bool changed(int id) const {
        const std::size_t i = indexOf(id);
        return i < m_fields.size() && changedAt(i);
    }

    // Whether the field shown by control `id` holds no text: the control's
    // when the user changed it, else the item's own, which a drop-down may
    // not be able to show.
    bool isEmpty(int id) const {
        const std::size_t i = indexOf(id);
        if (i == m_fields.size()) {
            return true;
        }
        return changedAt(i) ? ControlText::shown(m_controls[i]).isEmpty()
                            : m_fields[i].get(m_item).isEmpty();
    }

    // Reads the changed fields into the item.
    void take() {
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            if (changedAt(i)) {
                m_fields[i].set(m_item, ControlText::shown(m_controls[i]));
            }
        }
        remember();
    }

private:
    void remember() {
        m_shown.clear();
        for (const QWidget* control : m_controls) {
            m_shown.push_back(ControlText::shown(control));
        }
    }
    bool changedAt(std::size_t i) const { return ControlText::shown(m_controls[i]) != m_shown[i]; }
    // The field's index, or the number of fields.
    std::size_t indexOf(int id) const {
        std::size_t i = 0;
        while (i < m_fields.size() && m_fields[i].id != id) {
            ++i;
        }
        return i;
    }

    T m_item{};
    Fields m_fields;
    std::vector<QWidget*> m_controls;
    std::vector<QString> m_shown;
};
