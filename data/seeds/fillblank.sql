-- The calculation sheet: one record of ten exercises, Num(2k-1) and Num(2k) being the two
-- numbers of exercise k. The first sheet is additions within 10.
CREATE TABLE fillblank (
    Num1  INTEGER, Num2  INTEGER, Num3  INTEGER, Num4  INTEGER, Num5  INTEGER,
    Num6  INTEGER, Num7  INTEGER, Num8  INTEGER, Num9  INTEGER, Num10 INTEGER,
    Num11 INTEGER, Num12 INTEGER, Num13 INTEGER, Num14 INTEGER, Num15 INTEGER,
    Num16 INTEGER, Num17 INTEGER, Num18 INTEGER, Num19 INTEGER, Num20 INTEGER
);
-- 2+3  4+1  5+5  1+6  3+3  7+2  0+4  6+4  2+7  8+1
INSERT INTO fillblank VALUES (2, 3, 4, 1, 5, 5, 1, 6, 3, 3, 7, 2, 0, 4, 6, 4, 2, 7, 8, 1);
