#include "serial/PortSelection.h"

#include "serial/PortNumberText.h"

LinkResult SelectPort(SerialLink &link, std::string_view selectorText)
{
    if (link.isOpen())
        link.close();

    const auto portNumber = PortNumberFromText(selectorText);
    if (!portNumber) {
        LinkResult result;
        result.error = LinkError::PortNumberOutOfRange;
        result.systemText = std::string(selectorText);
        return result;
    }

    link.setPortNumber(*portNumber);
    link.configureLine();
    link.setDtr(true);
    LinkResult opened = link.open();
    if (opened.error == LinkError::NoDeviceForPort)
        opened.systemText = std::string(selectorText); // what the operator sees, to quote back
    return opened;
}

void ClosePort(SerialLink &link)
{
    link.setDtr(false);
    if (link.isOpen())
        link.close();
}
