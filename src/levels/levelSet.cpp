#include "levels/levelSet.h"

void levelSet::linkInto(levelList &list) {
    list.link({&zero, &one, &two, &three, &four, &five, &six, &seven, &eight, &nine, &ten, &eleven, &twelve,
               &thirteen, &fourteen, &fifteen, &sixteen, &seventeen});
}
