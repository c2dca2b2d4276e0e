// Makes the controls of this folder known to the layout reader.
#pragma once

void RegisterControlClasses();
