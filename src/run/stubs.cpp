#include "app/form1.h"

void Form1::Randomize() {}
void Form1::okstart_Click() {}
void Form1::Liste_Click() {}
void Form1::okabbrechen_Click() {}
