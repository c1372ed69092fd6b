#include "ui/list_custom_draw.h"

namespace tavrin {

LRESULT ListCustomDraw(NMLVCUSTOMDRAW& draw, const RowDraw& onRow, const CellDraw& onCell) {
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            if (onRow) return onRow(draw, row);
            return onCell ? CDRF_NOTIFYSUBITEMDRAW : CDRF_DODEFAULT;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
            if (onCell) return onCell(draw, row, draw.iSubItem);
            return CDRF_DODEFAULT;
    }
    return CDRF_DODEFAULT;
}

}  // namespace tavrin
