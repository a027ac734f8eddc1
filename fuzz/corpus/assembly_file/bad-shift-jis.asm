[asm]
ACname=‚
