#include "shell/form1.h"
namespace velnorit::shell {
void Form1::cmdSave_Click() {}
void Form1::cmdPrint_Click() {}
}
