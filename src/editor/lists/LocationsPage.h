#pragma once

#include "editor/EditorPage.h"
#include "editor/ItemList.h"
#include "model/Location.h"

// The "Locations" section: one row of twenty texts per study site. The
// investigators have no column; they travel inside each row's location.
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

    ItemList<Location>& locations() { return m_locations; }

    void addLocation();
    void editLocation();
    void removeLocation();

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    ItemList<Location> m_locations;
};
