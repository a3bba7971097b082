#pragma once

#include <QString>

namespace orvane {

// The four answers of the "Document Properties" wizard, in the order the generators take them.
struct ProjectValues {
    QString name;
    QString author;
    QString description; // may hold CR LF line breaks
    QString copyright;

    friend bool operator==(const ProjectValues&, const ProjectValues&) = default;
};

} // namespace orvane
