// The alignment settings' identifiers and names.
#include "pml_objects.h"

const unsigned char kAlignmentSettingIds[kAlignmentSettings][kAlignmentSettingIdLength] = {
    {1, 4, 1, 5, 3, 2, 5}, {1, 4, 1, 5, 3, 3, 5}, {1, 4, 1, 5, 3, 4, 5}, {1, 4, 1, 5, 3, 2, 6},
    {1, 4, 1, 5, 3, 3, 6}, {1, 4, 1, 5, 3, 4, 6}, {1, 4, 1, 5, 3, 1, 7}, {1, 4, 1, 5, 3, 2, 7},
    {1, 4, 1, 5, 3, 3, 7}, {1, 4, 1, 5, 3, 4, 7},
};

const char* const kAlignmentSettingNames[kAlignmentSettings] = {
    "group A", "group C", "average of groups A and C", "group B", "group D", "average of groups B and D",
    "group E", "spare setting 1", "spare setting 2", "spare setting 3",
};
