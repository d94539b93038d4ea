#include "app/form1.h"

void Form1::tabelle1_Click() {}
void Form1::okfigsetz_Click() {}
void Form1::okfigabsetz_Click() {}
void Form1::okfigok_Click() {}
void Form1::okreset_Click() {}
