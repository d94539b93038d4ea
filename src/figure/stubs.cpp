#include "app/form1.h"

void Form1::okfigok_Click() {}
void Form1::okreset_Click() {}
