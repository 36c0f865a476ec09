#ifndef ZUTYPES_H
#define ZUTYPES_H

// One UTF-16 code unit. Text that goes to the platform layer (measured and drawn) is held in these.
typedef char16_t TZuWChar;

#endif // ZUTYPES_H
