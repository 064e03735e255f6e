// COM settings of the elevated process, made once its apartment is entered.
#pragma once

// Unmarshals only the system's hardened marshallers (Windows 8 and later): an object that another
// process hands in with a custom marshaller of its own is refused, so its code never runs here.
void RefuseCustomUnmarshalling();
