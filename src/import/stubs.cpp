#include "app/form1.h"

void Form1::okextern_Click() {}
void Form1::Drive1_Change() {}
void Form1::Dir1_Change() {}
void Form1::File1_Click() {}
void Form1::okexternabbruch_Click() {}
void Form1::okexternok_Click() {}
