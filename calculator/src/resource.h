// Control ids and resource names shared by the calculator's code and its
// resource script.
#ifndef KESTRUNE_RESOURCE_H
#define KESTRUNE_RESOURCE_H

// The edit fields, the result field and the two push buttons.
#define IDC_VALUE 1
#define IDC_DF 2
#define IDC_PROB 3
#define IDC_HELPBTN 4
#define IDC_ABOUTBTN 5

// The window class, the dialog template and the icon group all go by this name.
#define KESTRUNE_NAME "Kestrune"

#endif  // KESTRUNE_RESOURCE_H
