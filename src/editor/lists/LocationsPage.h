#pragma once

#include "editor/EditorPage.h"
#include "editor/ListSection.h"
#include "model/Investigator.h"

#include <vector>

// The "Locations" section: one row of twenty texts per study site. The
// investigators have no column; the page keeps one investigator list per row
// beside the rows, entry i for row i, through load, Add, Edit and Remove.
class LocationsPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_GROUP = 5100,
        IDC_LOCATIONS = 5001,
        IDC_ADD = 1022,
        IDC_EDIT = 1026,
        IDC_REMOVE = 1024,
        IDC_MARKER_LOCATIONS = 1184,
    };
    static constexpr int kTemplateNumber = 517;

    static DialogTemplate pageTemplate();

    explicit LocationsPage(QWidget* parent = nullptr);

    ListSection& locations() { return m_locations; }
    // The investigators kept for each row, in row order.
    const std::vector<std::vector<Investigator>>& rowInvestigators() const {
        return m_investigators;
    }

    void addLocation();
    void editLocation();
    void removeLocation();

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    ListSection m_locations;
    std::vector<std::vector<Investigator>> m_investigators;
};
