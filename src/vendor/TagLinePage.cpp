#include "vendor/TagLinePage.h"

void TagLinePage::read(std::string_view line) {
    // The entry's two value lines are taken as they are, marker or not.
    switch (m_expect) {
    case Expect::Marker:
        if (line.find(kMarker) != std::string_view::npos) {
            m_last = Entry{};
            m_expect = Expect::Text;
        }
        break;
    case Expect::Text:
        m_last->text = line;
        m_expect = Expect::Target;
        break;
    case Expect::Target:
        m_last->target = line;
        m_expect = Expect::Marker;
        break;
    }
}
